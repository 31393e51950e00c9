// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/problem_limits.h"

#include "model/number_text.h"

namespace vantrell {

std::string TooManyVariablesMessage(int number, const std::string& where) {
    return CFormat("X%d in %s is beyond the %d variables this program solves", number,
                   where.c_str(), kMaxVariables);
}

std::string TooManyConstraintsMessage(std::size_t count) {
    return CFormat("The problem has %zu constraints, more than the %d this program solves", count,
                   kMaxConstraints);
}

std::optional<std::string> ProblemSizeRefusal(std::size_t variables, std::size_t constraints) {
    if (variables <= static_cast<std::size_t>(kMaxVariables) &&
        constraints <= static_cast<std::size_t>(kMaxConstraints)) {
        return std::nullopt;
    }
    return CFormat(
        "The problem has %zu variables and %zu constraints, more than the %d variables and %d "
        "constraints this program solves",
        variables, constraints, kMaxVariables, kMaxConstraints);
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/scale_warning.h"

#include <cmath>

#include "model/number_text.h"

namespace vantrell {

std::optional<std::string> ScaleWarning(const ProblemSet& problem) {
    double smallest = 0.0;
    double largest = 0.0;
    const auto see = [&](double value) {
        const double magnitude = std::fabs(value);
        if (magnitude == 0.0 || !std::isfinite(magnitude)) {
            return;
        }
        smallest = smallest == 0.0 ? magnitude : std::min(smallest, magnitude);
        largest = std::max(largest, magnitude);
    };
    for (const CostTerm& term : problem.objective) {
        see(term.cost);
    }
    for (const ConstraintRow& row : problem.constraints) {
        for (const double coefficient : row.coefficients) {
            see(coefficient);
        }
        see(row.rhs);
    }
    if (smallest == 0.0 || largest / smallest <= kScaleSpanLimit) {
        return std::nullopt;
    }
    return CFormat(
        "The numbers of this problem range from %g to %g: the decimal tableaus may "
        "round, and the fraction view is the one to trust.",
        smallest, largest);
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/problem.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The whole content of a problem file, lines ended by "\n": name, decimal count and sense,
// the objective, then one block per constraint. Every number is written with the
// (clamped) decimal count, by the C rules whatever the locale.
std::string BuildProblemText(std::string_view problemName, int decimalPlaces, bool minimize,
                             const ProblemSet& problem);

// The same for the problem the state holds.
std::string BuildProblemText(const VantrellState& state);

}  // namespace vantrell

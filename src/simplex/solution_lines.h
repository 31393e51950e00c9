// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/vantrell_state.h"

namespace vantrell {

// The "Complete Solution" lines of the run that just ended, by its outcome: the basis with
// its values and the objective value, or the line that says why there is none.
std::vector<std::string> SolutionLines(const VantrellState& state);

// The sense an objective as shown is solved in: "Minimize" or "Maximize". The dual as the
// main window shows it is always maximized (a maximization's dual shows its costs negated).
const char* SenseText(bool minimize);

// After the run of a minimization (or the dual of a maximization, which minimizes W)
// reached its optimum: "Minimum of Z = 9.000 (the tableaus maximize -Z)", since the list's
// "Solution" is the value of -Z. Nothing otherwise.
std::optional<std::string> MinimumLine(const VantrellState& state);

// What an unbounded run found, in plain words: "The problem is unbounded: X1 can grow
// without limit and Z with it."
std::string UnboundedLine(const std::string& column, bool minimize, bool dual);

}  // namespace vantrell

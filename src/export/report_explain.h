// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/vantrell_state.h"

namespace vantrell {

// The explain mode's additions to the solution report. The note of page index, as a
// "Step: " line under the page's pivot line; empty when there is none.
std::string ReportPageNote(const std::vector<std::string>& notes, std::size_t index);
// The notes of the kept run, when the state asks for explanations.
std::vector<std::string> ReportNotes(const VantrellState& state, bool dual);
// The special cases and the sensitivity tables after a run's solution.
std::string ReportRunExplanation(const VantrellState& state, bool dual);
// The setup section before a run's first tableau: how the problem became that tableau.
std::string ReportSetup(const VantrellState& state, bool dual);
// An unbounded run's deciding tableau as page number, with its marks and note; empty for
// any other run or where the decimal pages part from the exact run.
std::string ReportDecidingPage(const VantrellState& state, bool dual, const char* kind, int number);
// The optimum as the problem states it (or what an unbounded run found), after the
// solution lines.
std::string ReportStatedLine(const VantrellState& state, bool dual);
// The dual's own objective, after its constraints.
std::string ReportDualObjective(const VantrellState& state);
// "Strong duality: Z = W = 36" once both runs ended optimal.
std::string ReportStrongDuality(const VantrellState& state);

}  // namespace vantrell

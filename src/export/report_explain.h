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

}  // namespace vantrell

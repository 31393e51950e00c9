// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// New: offers to save a problem with unsaved changes (see OfferToSave), then empties the
// primal and the dual, the problem and file names, the solution list and the counts, and
// forgets that the problem was solved. The sense and options stay; the kept runs stay
// too, but as runs of another problem.
void NewProblem(VantrellState& state, Prompt& prompt, bool unsaved = true);

// Delete Constraint on the selected line (-1 for none): asks first; true when deleted.
bool DeleteConstraint(VantrellState& state, Prompt& prompt, int selected);

// Why the problem cannot be plotted, or nothing when it can.
std::optional<std::string> PlotRefusal(const VantrellState& state);

// The Export Solution and Save Excel commands refuse until a run has reached a result.
inline constexpr const char* kSaveExcelNotSolvedMessage = "The problem must be solved first.";

}  // namespace vantrell

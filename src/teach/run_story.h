// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/vantrell_state.h"
#include "teach/exact_run.h"
#include "teach/step_notes.h"

namespace vantrell {

// The facts every output tells the same way: the objective as the problem states it (a
// minimum stays a minimum; the tableaus maximize -Z once said), the dual's own objective
// W, strong duality, how the first tableau was built, and what an unbounded run found.

// "Minimum of Z = 17/5 (the tableaus maximize -Z)" or "Maximum of Z = 36"; nothing unless
// the run ended optimal with a certified answer.
std::optional<std::string> StatedOptimumLine(const ExactRun& run, const NoteNumbers& numbers);

// The minimum line of the run in mPages, in the display options' numbers: the one place
// that says the tableaus maximize -Z; nothing unless that run gave a stated minimum.
std::optional<std::string> RunMinimumLine(const VantrellState& state);

// The dual's objective as stated: "W = 4 Y1 + 12 Y2 + 18 Y3, Minimize".
std::string DualObjectiveLine(const VantrellState& state, const NoteNumbers& numbers);

// One line for each free dual variable, the dual of an equation:
// "Y1 is free (its row is an equation): it is written Y1 - Y4, both >= 0".
std::vector<std::string> FreeDualVariableLines(const ProblemSet& primal);

// "Strong duality: Z = W = 36" once both kept runs of the problem ended optimal.
std::optional<std::string> StrongDualityLine(const VantrellState& state,
                                             const NoteNumbers& numbers);

// The plain line under the unbounded message: "The problem is unbounded: X1 can grow
// without limit and Z with it."; nothing unless the run ended unbounded.
std::optional<std::string> UnboundedLine(const ExactRun& run);

// The setup page of the kept primal (or dual) run: the problem as stated, then one line per
// change that made the first tableau, in the display options' numbers.
std::vector<std::string> SetupLines(const VantrellState& state, bool dual,
                                    const NoteNumbers& numbers);

}  // namespace vantrell

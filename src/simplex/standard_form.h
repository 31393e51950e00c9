// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// Why a run with a single constraint is refused: the method's pages need two rows.
inline constexpr const char* kOneConstraintMessage =
    "There is only one constraint; at least two are needed to solve the problem";
inline constexpr const char* kOneDualConstraintMessage =
    "The dual has only one constraint, as the problem has one variable; at least two are "
    "needed to solve it";

// Copies the primal (or, on a dual run, the dual) into mWork and brings it into the
// equality form of the tableau method with big-M artificial costs; builds the initial
// basis and the size fields. Returns false, after telling the user, when the problem
// cannot be run; the kept results are then untouched. Each change it makes is added to
// steps, when given, for the setup page.
bool BuildStandardForm(VantrellState& state, Prompt& prompt,
                       std::vector<SetupStep>* steps = nullptr);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "simplex/page_presenter.h"

namespace vantrell {

inline constexpr const char* kUnboundedMessage = "ERROR: mLeavingRow is -1";

// Runs the tableau iteration on mWork in standard form: builds page after page, shows each
// through the presenter and pivots after the user has left it. Sets mRunOutcome, and on an
// optimum or a proven infeasibility mSolved and the solution lines. A run that fills the
// page store ends as cycling only when one of its bases came back.
void RunIteration(VantrellState& state, Prompt& prompt, PagePresenter& presenter);

}  // namespace vantrell

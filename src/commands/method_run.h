// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "simplex/page_presenter.h"

namespace vantrell {

// Runs the side being solved by state.mMethod when that is not big M: the two-phase method
// or the dual simplex method, in exact numbers, made whole first and then shown page by
// page through the presenter as the decimal run shows its own (a page's decimals read
// off its exact numbers). Sets the run record, mPages, mTableauCount, mRunOutcome, the
// final basis and the solution lines. Returns false, after telling the user, when the
// method refuses the problem; nothing kept changes then.
bool RunExactMethod(VantrellState& state, Prompt& prompt, PagePresenter& presenter);

}  // namespace vantrell

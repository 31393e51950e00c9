// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "simplex/page_presenter.h"

namespace vantrell {

// Solves the primal (or the dual) one shown page at a time, lists the solution in
// mSolutionLines and keeps the run's pages, basis, values and outcome.
void CalculatePrimal(VantrellState& state, Prompt& prompt, PagePresenter& presenter);
void CalculateDual(VantrellState& state, Prompt& prompt, PagePresenter& presenter);

}  // namespace vantrell

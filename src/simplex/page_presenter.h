// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/tableau_page.h"
#include "model/vantrell_state.h"

namespace vantrell {

// Shows one tableau page and returns only when the user has left it; the run pivots
// after that. The state describes the page being shown (mTableauCount, mLeavingRow,
// mDone, mSolvingDual, mRunOutcome).
class PagePresenter {
  public:
    virtual ~PagePresenter() = default;
    virtual void ShowPage(const VantrellState& state, const TableauPage& page) = 0;
};

// Steps through a run without showing anything: the batch front end and tests use it.
class SilentPresenter : public PagePresenter {
  public:
    void ShowPage(const VantrellState&, const TableauPage&) override {}
};

}  // namespace vantrell

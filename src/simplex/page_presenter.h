// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/tableau_page.h"
#include "model/vantrell_state.h"

namespace vantrell {

// Shows one tableau page and returns only when the user has left it; the run pivots
// after that. The state describes the page being shown (mTableauCount, mLeavingRow,
// mDone, mSolvingDual, mRunOutcome).
// The engine tells its presenter what happens as typed events, never as message texts.
class PagePresenter {
  public:
    virtual ~PagePresenter() = default;
    virtual void ShowPage(const VantrellState& state, const TableauPage& page) = 0;
    // No row limits the entering column (column, in mWork) of the tableau that would have
    // been the next page: the run stops there, unbounded. The state's working fields
    // (mWork, mBasis, mZj, mCjZj, mRatios) still hold that tableau.
    virtual void Unbounded(const VantrellState& /*state*/, int /*column*/) {}
    // The user asked, on the page just shown, to go no further: the run ends there,
    // keeping its pages, as stopped.
    virtual bool StopRequested() const { return false; }
};

// Steps through a run without showing anything: the batch front end and tests use it.
class SilentPresenter : public PagePresenter {
  public:
    void ShowPage(const VantrellState&, const TableauPage&) override {}
};

}  // namespace vantrell

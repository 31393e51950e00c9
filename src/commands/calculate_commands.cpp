// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/calculate_commands.h"

#include <algorithm>

#include "simplex/iteration.h"
#include "simplex/standard_form.h"
#include "teach/exact_page_text.h"

namespace vantrell {
namespace {

struct KeptRun {
    std::int32_t& count;
    PageStore& pages;
    std::vector<CostTerm>& basis;
    std::vector<double>& values;
    RunOutcome& outcome;
    SolvedProblem& solved;
    std::vector<std::string>& practice;
};

void Calculate(VantrellState& state, Prompt& prompt, PagePresenter& presenter, KeptRun kept) {
    // A run refused before its first page leaves the kept results of earlier runs alone.
    if (!BuildStandardForm(state, prompt)) {
        return;
    }
    RunIteration(state, prompt, presenter);
    if (!state.mDisplay.IsDefault()) {
        state.mSolutionLines = DisplayedSolutionLines(state);
    }

    kept.count = state.mTableauCount;
    const auto pageCount =
        static_cast<std::size_t>(std::clamp(state.mTableauCount, 0, kTableauPages));
    kept.pages.Share(state.mPages, pageCount);
    kept.basis = state.mBasis;
    kept.values.clear();
    for (const ConstraintRow& row : state.mWork.constraints) {
        kept.values.push_back(row.rhs);
    }
    kept.outcome = state.mRunOutcome;
    kept.solved = SolvedProblem{true, state.mMinimize, state.mPrimal};
    kept.practice.clear();  // a practice run writes its own after this
    state.mLastSolved = kept.solved;
}

}  // namespace

void CalculatePrimal(VantrellState& state, Prompt& prompt, PagePresenter& presenter) {
    state.mSolvingDual = false;
    Calculate(
        state, prompt, presenter,
        {state.mPrimalTableauCount, state.mPrimalPages, state.mPrimalBasis, state.mPrimalValues,
         state.mPrimalOutcome, state.mPrimalSolved, state.mPrimalPractice});
}

void CalculateDual(VantrellState& state, Prompt& prompt, PagePresenter& presenter) {
    if (!state.mDisplayDuality) {
        prompt.ShowMessage("Duality is turned off. Use Options to turn it back on");
        return;
    }
    state.mSolvingDual = true;
    Calculate(state, prompt, presenter,
              {state.mDualTableauCount, state.mDualPages, state.mDualBasis, state.mDualValues,
               state.mDualOutcome, state.mDualSolved, state.mDualPractice});
}

}  // namespace vantrell

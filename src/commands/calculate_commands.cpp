// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/calculate_commands.h"

#include <algorithm>
#include <memory>

#include "commands/method_run.h"
#include "simplex/iteration.h"
#include "simplex/standard_form.h"
#include "teach/exact_page_text.h"
#include "teach/exact_run.h"

namespace vantrell {
namespace {

// The big-M run: the decimal engine shows its pages; the exact run follows when asked for.
bool CalculateBigM(VantrellState& state, Prompt& prompt, PagePresenter& presenter, bool dual) {
    // A run refused before its first page leaves the kept results of earlier runs alone.
    std::vector<SetupStep> setup;
    if (!BuildStandardForm(state, prompt, &setup)) {
        return false;
    }
    // The exact run does not depend on what the student does with the pages: it starts
    // from the same standard form, whole, whenever a view first asks for it.
    auto exact = std::make_shared<LazyExactRun>(state.mWork, state.mBasis, state.mPivotRule, dual,
                                                state.mMinimize);
    state.mRun = RunRecord{exact, {}, std::move(setup)};
    RunIteration(state, prompt, presenter);
    exact->DecimalRunEnded(state.mPages, state.mTableauCount, state.mRunOutcome);
    return true;
}

// The values of the final basis: the decimal run's right-hand sides, or an exact method's
// last page.
std::vector<double> FinalValues(const VantrellState& state) {
    std::vector<double> values;
    if (state.mRun.method != SolveMethod::BigM) {
        const ExactRun& run = state.mRun.exact->Run();
        if (!run.pages.empty()) {
            for (const Rational& value : run.pages.back().bi) {
                values.push_back(value.get_d());
            }
        }
        return values;
    }
    for (const ConstraintRow& row : state.mWork.constraints) {
        values.push_back(row.rhs);
    }
    return values;
}

void Calculate(VantrellState& state, Prompt& prompt, PagePresenter& presenter, bool dual) {
    state.mSolvingDual = dual;
    const bool ran = state.mMethod == SolveMethod::BigM
                         ? CalculateBigM(state, prompt, presenter, dual)
                         : RunExactMethod(state, prompt, presenter);
    if (!ran) {
        return;
    }
    // The exact run always goes to its end; a stopped run has no solution to show from it.
    if (!state.mDisplay.IsDefault() && state.mRunOutcome != RunOutcome::Stopped) {
        state.mSolutionLines = DisplayedSolutionLines(state);
    }

    const KeptRunOf<VantrellState> kept = KeptRun(state, dual);
    kept.count = state.mTableauCount;
    const auto pageCount =
        static_cast<std::size_t>(std::clamp(state.mTableauCount, 0, kTableauPages));
    kept.pages.Share(state.mPages, pageCount);
    kept.basis = state.mBasis;
    kept.values = FinalValues(state);
    kept.outcome = state.mRunOutcome;
    kept.solved = SolvedProblem{true, state.mMinimize, state.mPrimal};
    kept.record = state.mRun;  // a practice run writes its answers after this
    state.mLastSolved = kept.solved;
}

}  // namespace

void CalculatePrimal(VantrellState& state, Prompt& prompt, PagePresenter& presenter) {
    Calculate(state, prompt, presenter, false);
}

void CalculateDual(VantrellState& state, Prompt& prompt, PagePresenter& presenter) {
    if (!state.mDisplayDuality) {
        prompt.ShowMessage("Duality is turned off. Use Options to turn it back on");
        return;
    }
    Calculate(state, prompt, presenter, true);
}

}  // namespace vantrell

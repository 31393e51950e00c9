#include "simplex/iteration.h"

#include "simplex/solution_lines.h"
#include "simplex/tableau_steps.h"
#include "simplex/tableau_text.h"

namespace vantrell {
namespace {

void EndRun(VantrellState& state, RunOutcome outcome) {
    state.mRunOutcome = outcome;
    state.mSolutionLines = SolutionLines(state);
}

}  // namespace

void RunIteration(VantrellState& state, Prompt& prompt, PagePresenter& presenter) {
    ProblemSet& work = state.mWork;
    state.mDone = false;
    state.mRunOutcome = RunOutcome::NotRun;
    state.mZj.assign(work.objective.size(), BigMValue{});
    state.mCjZj.assign(work.objective.size(), BigMValue{});
    state.mRatios.assign(state.mBasis.size(), 0.0);
    state.mTableauIndex = 0;

    while (!state.mDone) {
        const auto pageIndex = static_cast<std::size_t>(state.mTableauIndex);
        TableauPage& page = state.mPages[pageIndex];
        // A reused page must not show an earlier run's entering, leaving or pivot.
        page.Clear();

        ComputeReducedCosts(work, state.mBasis, state.mZj, state.mCjZj);
        page.mZ = ObjectiveValue(work, state.mBasis);

        const bool infeasible = HasNoFeasibleSolution(work, state.mBasis, state.mCjZj);
        const int entering = infeasible ? -1 : ChooseEnteringColumn(work.objective, state.mCjZj);
        state.mLeavingRow = -1;

        if (entering == -1) {
            state.mDone = true;
            state.mRunOutcome = infeasible ? RunOutcome::Infeasible : RunOutcome::Optimal;
        } else {
            page.mEntering = work.constraints[0].columnNames[static_cast<std::size_t>(entering)];
            state.mLeavingRow = ChooseLeavingRow(work, entering, state.mRatios);
            if (state.mLeavingRow == -1) {
                prompt.ShowMessage(kUnboundedMessage);
                page.Clear();
                state.mTableauCount = state.mTableauIndex;
                EndRun(state, RunOutcome::Unbounded);
                return;
            }
            const auto leaving = static_cast<std::size_t>(state.mLeavingRow);
            page.mLeaving = state.mBasis[leaving].name;
            page.mPivotValue =
                work.constraints[leaving].coefficients[static_cast<std::size_t>(entering)];
        }

        WriteTableauText(page, work, state.mBasis, state.mZj, state.mCjZj, state.mRatios,
                         state.mDecimalPlaces);
        state.mTableauCount = state.mTableauIndex + 1;
        presenter.ShowPage(state, page);
        ++state.mTableauIndex;

        if (!state.mDone) {
            // The next pivot would need a page the store does not have.
            if (state.mTableauIndex == kTableauPages) {
                prompt.ShowMessage(kPageLimitMessage);
                EndRun(state, RunOutcome::PageLimit);
                return;
            }
            Pivot(work, state.mBasis, state.mLeavingRow, entering);
        }
    }

    state.mSolved = true;
    EndRun(state, state.mRunOutcome);
}

}  // namespace vantrell

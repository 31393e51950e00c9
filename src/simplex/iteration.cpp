// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/iteration.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "simplex/solution_lines.h"
#include "simplex/tableau_steps.h"
#include "simplex/tableau_text.h"

namespace vantrell {
namespace {

void EndRun(VantrellState& state, RunOutcome outcome) {
    state.mRunOutcome = outcome;
    state.mSolutionLines = SolutionLines(state);
}

// Ends a run before page E is shown, keeping pages 0 to E-1, as an unbounded run ends.
void StopBeforePage(VantrellState& state, Prompt& prompt, TableauPage& page,
                    const std::string& message, RunOutcome outcome) {
    prompt.ShowMessage(message);
    page.Clear();
    state.mLeavingRow = -1;
    state.mTableauCount = state.mTableauIndex;
    EndRun(state, outcome);
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
    std::vector<std::vector<std::string>> shownBases;

    while (!state.mDone) {
        const auto pageIndex = static_cast<std::size_t>(state.mTableauIndex);
        // A new page: nothing of an earlier run shows, and a kept run sharing the old one
        // keeps it.
        TableauPage& page = state.mPages.Fresh(pageIndex);
        page.mRule = state.mPivotRule;

        ComputeReducedCosts(work, state.mBasis, state.mZj, state.mCjZj);
        page.mZ = ObjectiveValue(work, state.mBasis);
        // Once a number has overflowed every later choice compares infinities or NaNs;
        // no page may show one, nor a solution be read from it.
        if (!TableauIsFinite(work, state.mBasis, state.mZj, state.mCjZj) ||
            !std::isfinite(page.mZ)) {
            StopBeforePage(state, prompt, page, OutcomeSolutionText(RunOutcome::TooLarge),
                           RunOutcome::TooLarge);
            return;
        }

        const bool infeasible = HasNoFeasibleSolution(work, state.mBasis, state.mCjZj);
        const int entering =
            infeasible ? -1 : ChooseEnteringColumn(work.objective, state.mCjZj, state.mPivotRule);
        state.mLeavingRow = -1;

        if (entering == -1) {
            state.mDone = true;
            state.mRunOutcome = infeasible ? RunOutcome::Infeasible : RunOutcome::Optimal;
        } else {
            page.mEntering = work.constraints[0].columnNames[static_cast<std::size_t>(entering)];
            const int leavingRow =
                ChooseLeavingRow(work, state.mBasis, entering, state.mRatios, state.mPivotRule);
            if (leavingRow == kRatioTooLarge) {
                StopBeforePage(state, prompt, page, OutcomeSolutionText(RunOutcome::TooLarge),
                               RunOutcome::TooLarge);
                return;
            }
            if (leavingRow == -1) {
                presenter.Unbounded(state, entering);
                // The box keeps its old words; the line under them says what they mean.
                StopBeforePage(
                    state, prompt, page,
                    std::string(kUnboundedMessage) + "\n" +
                        UnboundedLine(page.mEntering, state.mMinimize, state.mSolvingDual),
                    RunOutcome::Unbounded);
                return;
            }
            state.mLeavingRow = leavingRow;
            const auto leaving = static_cast<std::size_t>(state.mLeavingRow);
            page.mLeaving = state.mBasis[leaving].name;
            page.mPivotValue =
                work.constraints[leaving].coefficients[static_cast<std::size_t>(entering)];
        }

        WriteTableauText(page, work, state.mBasis, state.mZj, state.mCjZj, state.mRatios,
                         state.mDecimalPlaces);
        state.mTableauCount = state.mTableauIndex + 1;
        presenter.ShowPage(state, page);
        shownBases.push_back(BasisKeyOf(state.mBasis));
        ++state.mTableauIndex;
        if (!state.mDone && presenter.StopRequested()) {
            EndRun(state, RunOutcome::Stopped);
            return;
        }

        if (!state.mDone) {
            // The next pivot would need a page the store does not have.
            if (state.mTableauIndex == kTableauPages) {
                const bool cycling = AnyBasisRepeats(std::move(shownBases));
                const RunOutcome outcome = cycling ? RunOutcome::Cycling : RunOutcome::PageLimit;
                prompt.ShowMessage(OutcomeSolutionText(outcome));
                EndRun(state, outcome);
                return;
            }
            Pivot(work, state.mBasis, state.mLeavingRow, entering);
        }
    }

    state.mSolved = true;
    EndRun(state, state.mRunOutcome);
}

}  // namespace vantrell

// How runs end when there is no optimum, and what each of them keeps.
#include <gtest/gtest.h>

#include "commands/calculate_commands.h"
#include "simplex/dual_builder.h"
#include "simplex/iteration.h"
#include "support/problem_builders.h"
#include "support/recording_presenter.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::RecordingPresenter;
using testing::RowSpec;
using testing::ScriptedPrompt;
using Cells = std::vector<std::string>;

struct SolverRun {
    VantrellState state;
    ScriptedPrompt prompt;
    RecordingPresenter presenter;

    SolverRun(const std::vector<double>& costs, const std::vector<RowSpec>& rows,
              bool minimize = false) {
        state.mPrimal = MakeProblem(costs, rows);
        state.mMinimize = minimize;
        RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    }
    void Primal() { CalculatePrimal(state, prompt, presenter); }
    void Dual() { CalculateDual(state, prompt, presenter); }
};

TEST(RunOutcomes, ContradictoryConstraintsEndAsInfeasibleNotAsOptimum) {
    SolverRun run({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, ">=", 5}});
    run.Primal();

    EXPECT_EQ(run.state.mRunOutcome, RunOutcome::Infeasible);
    EXPECT_LT(run.presenter.shown.size(), 5u);
    EXPECT_TRUE(run.presenter.shown.back().done);
    EXPECT_EQ(run.presenter.shown.back().lastPageQuestion,
              "No Feasible Solution. This is the last tableau. Do you really want to leave?");
    EXPECT_EQ(run.state.mSolutionLines.back(),
              "No Feasible Solution: an artificial variable is still positive");
    EXPECT_EQ(run.state.mSolutionLines.size(), 3u);  // two basis lines, then the verdict
    EXPECT_TRUE(run.state.mSolved);
    EXPECT_TRUE(run.prompt.messages.empty());
}

TEST(RunOutcomes, ArtificialBasicAtZeroIsStillAnOptimum) {
    // X1 + X2 = 0 forces both to zero; the artificial may stay basic at value 0.
    SolverRun run({1, 1}, {{{1, 1}, "=", 0}, {{1, 0}, "<=", 3}});
    run.Primal();
    EXPECT_EQ(run.state.mRunOutcome, RunOutcome::Optimal);
    EXPECT_EQ(run.state.mSolutionLines[2], "Solution = 0.000");
}

TEST(RunOutcomes, UnboundedAfterOnePageKeepsThatPage) {
    SolverRun run({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}});
    run.Primal();

    EXPECT_EQ(run.prompt.messages, (Cells{"ERROR: mLeavingRow is -1"}));
    EXPECT_EQ(run.state.mTableauCount, 1);
    EXPECT_TRUE(run.state.mPages[1].mRows.empty());
    EXPECT_FALSE(run.state.mSolved);
    EXPECT_EQ(run.state.mSolutionLines, (Cells{"Unbounded: no row limits the entering variable"}));
    EXPECT_EQ(run.state.mPrimalTableauCount, 1);
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::Unbounded);
}

TEST(RunOutcomes, UnboundedOnTheFirstPageKeepsNoPageOfAnEarlierRun) {
    SolverRun run({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
    run.Primal();
    ASSERT_EQ(run.state.mPrimalTableauCount, 2);
    ASSERT_TRUE(run.state.mSolved);

    run.state.mPrimal = MakeProblem({1, 1}, {{{-1, 1}, "<=", 1}, {{-1, 2}, "<=", 4}});
    run.Primal();
    EXPECT_EQ(run.state.mTableauCount, 0);
    EXPECT_EQ(run.state.mPrimalTableauCount, 0);
    EXPECT_TRUE(run.state.mSolved);  // an earlier optimum is not forgotten by a failed run
    EXPECT_EQ(run.state.mSolutionLines, (Cells{"Unbounded: no row limits the entering variable"}));
}

TEST(RunOutcomes, RefusedRunLeavesEarlierResultsUntouched) {
    SolverRun run({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
    run.Primal();
    const auto keptRows = run.state.mPrimalPages[0].mRows;

    run.state.mPrimal.objective.pop_back();
    run.Primal();
    EXPECT_EQ(run.prompt.messages, (Cells{"The objective function is empty"}));
    EXPECT_EQ(run.state.mPrimalTableauCount, 2);
    EXPECT_EQ(run.state.mPrimalPages[0].mRows, keptRows);
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::Optimal);

    run.state.mPrimal = MakeProblem({3, 2}, {{{1, 1}, "<=", 4}});
    run.Primal();
    EXPECT_EQ(run.prompt.messages.back(), "The constraint functions are empty");
    EXPECT_EQ(run.state.mPrimalTableauCount, 2);

    const std::size_t shown = run.presenter.shown.size();
    run.state.mDisplayDuality = false;
    run.Dual();
    EXPECT_EQ(run.prompt.messages.back(), "Duality is turned off. Use Options to turn it back on");
    EXPECT_EQ(run.presenter.shown.size(), shown);
}

// Beale's example cycles under the largest-coefficient rule with first-row ties.
TEST(RunOutcomes, CyclingStopsAtThePageLimitAsCycling) {
    SolverRun run(
        {0.75, -20, 0.5, -6},
        {{{0.25, -8, -1, 9}, "<=", 0}, {{0.5, -12, -0.5, 3}, "<=", 0}, {{0, 0, 1, 0}, "<=", 1}});
    run.Primal();

    EXPECT_EQ(run.prompt.messages,
              (Cells{"Stopped after 30 tableaus: the problem may be cycling"}));
    EXPECT_EQ(run.presenter.shown.size(), 30u);
    EXPECT_EQ(run.state.mTableauCount, 30);
    EXPECT_EQ(run.state.mPrimalTableauCount, 30);
    EXPECT_FALSE(run.state.mSolved);
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::Cycling);
    EXPECT_EQ(run.state.mSolutionLines,
              (Cells{"Stopped after 30 tableaus: the problem may be cycling"}));
    // The kept basis is that of the 30th page, which names it in its Basis column.
    for (std::size_t r = 0; r < run.state.mPrimalBasis.size(); ++r) {
        EXPECT_EQ(run.state.mPrimalBasis[r].name, run.state.mPages[29].mRows[2 + r][1]);
    }
}

TEST(RunOutcomes, LastPageOfAShortRunShowsNothingStaleFromALongerOne) {
    SolverRun run({0, 0, 1}, {{{1, 1, 1}, "<=", 4}, {{1, 3, 0}, "<=", 6}});
    run.state.mPages[0].mEntering = "X9";
    run.state.mPages[0].mLeaving = "S9";
    run.state.mPages[0].mPivotValue = 7.0;
    run.state.mPrimal.objective[2].cost = -1;  // first page is already optimal
    run.Primal();
    ASSERT_EQ(run.presenter.shown.size(), 1u);
    EXPECT_EQ(run.presenter.shown[0].page.mEntering + run.presenter.shown[0].page.mLeaving, "");
    EXPECT_EQ(run.presenter.shown[0].page.mPivotValue, 0.0);
}

TEST(RunOutcomes, NegativeRightHandSideIsTurnedAround) {
    // X1 + X2 >= 2 typed as -X1 - X2 <= -2.
    SolverRun typed({2, 3}, {{{-1, -1}, "<=", -2}, {{1, 0}, "<=", 3}}, true);
    typed.Primal();
    SolverRun plain({2, 3}, {{{1, 1}, ">=", 2}, {{1, 0}, "<=", 3}}, true);
    plain.Primal();
    EXPECT_EQ(typed.state.mRunOutcome, RunOutcome::Optimal);
    EXPECT_EQ(typed.state.mSolutionLines, plain.state.mSolutionLines);
    EXPECT_EQ(typed.state.mSolutionLines[2], "Solution = -4.000");
}

TEST(RunOutcomes, DualOfANegativeCostSolvesToTheNegatedPrimalOptimum) {
    SolverRun run({3, -2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
    run.Primal();
    EXPECT_EQ(run.state.mSolutionLines[2], "Solution = 12.000");
    run.Dual();
    EXPECT_EQ(run.state.mRunOutcome, RunOutcome::Optimal);
    EXPECT_EQ(run.state.mSolutionLines[run.state.mSolutionLines.size() - 2], "Solution = -12.000");
}

TEST(RunOutcomes, ShortRowsReadAsFilledUpWithZeroColumns) {
    SolverRun ragged({3, 2, 1}, {{{1, 1}, "<=", 4}, {{1, 3, 1}, "<=", 6}});
    ragged.Primal();
    SolverRun full({3, 2, 1}, {{{1, 1, 0}, "<=", 4}, {{1, 3, 1}, "<=", 6}});
    full.Primal();
    ASSERT_EQ(ragged.presenter.shown.size(), full.presenter.shown.size());
    for (std::size_t i = 0; i < full.presenter.shown.size(); ++i) {
        EXPECT_EQ(ragged.presenter.shown[i].page.mRows, full.presenter.shown[i].page.mRows);
    }
    ragged.Dual();
    full.Dual();
    EXPECT_EQ(ragged.state.mSolutionLines, full.state.mSolutionLines);

    SolverRun wide({3, 2}, {{{1, 1, 1}, "<=", 4}, {{1, 3, 0}, "<=", 6}});  // widens the objective
    wide.Primal();
    EXPECT_EQ(wide.presenter.shown[0].page.mRows[1][4], "X3");
    EXPECT_EQ(wide.state.mRunOutcome, RunOutcome::Optimal);
}

TEST(RunOutcomes, UnknownRelationIsRefusedBeforeTheFirstPage) {
    SolverRun run({3, 2}, {{{1, 1}, "=<", 4}, {{1, 3}, "<=", 6}});
    run.Primal();
    EXPECT_EQ(run.prompt.messages,
              (Cells{"The relation of constraint 1 is unknown: use <=, = or >="}));
    EXPECT_TRUE(run.presenter.shown.empty());
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::NotRun);
}

}  // namespace
}  // namespace vantrell

// The textbook problems a student meets first, page by page.
#include <gtest/gtest.h>

#include "commands/calculate_commands.h"
#include "simplex/dual_builder.h"
#include "support/problem_builders.h"
#include "support/recording_presenter.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::RecordingPresenter;
using testing::ScriptedPrompt;
using Cells = std::vector<std::string>;

VantrellState StateFor(const ProblemSet& primal, bool minimize) {
    VantrellState state;
    state.mPrimal = primal;
    state.mMinimize = minimize;
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    return state;
}

// Maximize 3 X1 + 2 X2 subject to X1 + X2 <= 4 and X1 + 3 X2 <= 6.
VantrellState MaximizationExample() {
    return StateFor(MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}), false);
}

// Minimize 2 X1 + 3 X2 subject to X1 + X2 >= 4 and X1 + 0 X2 <= 3.
VantrellState MinimizationExample() {
    return StateFor(MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}), true);
}

// Runs the primal or the dual; none of the worked examples asks the user anything.
RecordingPresenter Solve(VantrellState& state, bool dual = false) {
    ScriptedPrompt prompt;
    RecordingPresenter presenter;
    dual ? CalculateDual(state, prompt, presenter) : CalculatePrimal(state, prompt, presenter);
    EXPECT_TRUE(prompt.messages.empty());
    return presenter;
}

TEST(WorkedExamples, MaximizationPrimalPagesAndSolution) {
    VantrellState state = MaximizationExample();
    const RecordingPresenter presenter = Solve(state);

    ASSERT_EQ(presenter.shown.size(), 2u);
    const TableauPage& first = presenter.shown[0].page;
    EXPECT_EQ(first.mRows[0], (Cells{"", "Cj", "3.000", "2.000", "0.000", "0.000"}));
    EXPECT_EQ(first.mRows[1], (Cells{"Cb", "Basis", "X1", "X2", "S1", "S2", "Bi", "Bi/Aij"}));
    EXPECT_EQ(first.mRows[2],
              (Cells{"0.000", "S1", "1.000", "1.000", "1.000", "0.000", "4.000", "4.000"}));
    EXPECT_EQ(first.mRows[3],
              (Cells{"0.000", "S2", "1.000", "3.000", "0.000", "1.000", "6.000", "6.000"}));
    EXPECT_EQ(first.mRows[4], (Cells{"", "Zj", "0.000", "0.000", "0.000", "0.000"}));
    EXPECT_EQ(first.mRows[5], (Cells{"", "Cj-Zj", "3.000", "2.000", "0.000", "0.000", "0.000"}));
    EXPECT_EQ(first.mEntering, "X1");
    EXPECT_EQ(first.mLeaving, "S1");
    EXPECT_EQ(first.mPivotValue, 1.0);
    EXPECT_EQ(RecordingPresenter::Lines(first)[2],
              "0.000    S1 1.000 1.000 1.000 0.000 4.000  4.000 ");
    EXPECT_EQ(presenter.shown[0].leavingRow, 0);
    EXPECT_FALSE(presenter.shown[0].done);

    const auto& last = presenter.shown[1];
    EXPECT_EQ(last.page.mRows[5],
              (Cells{"", "Cj-Zj", "0.000", "-1.000", "-3.000", "0.000", "12.000"}));
    EXPECT_TRUE(last.done);
    EXPECT_EQ(last.leavingRow, -1);
    EXPECT_EQ(last.tableauCount, 2);
    EXPECT_EQ(last.page.mEntering, "");
    EXPECT_EQ(last.lastPageQuestion,
              "Optimal Solution Found. This is the last tableau. Do you really want to leave?");

    EXPECT_EQ(state.mSolutionLines,
              (Cells{"X1 = 4.000", "S2 = 2.000", "Solution = 12.000", "Other Variables: 0.0"}));
    EXPECT_TRUE(state.mSolved);
    EXPECT_EQ(state.mPrimalTableauCount, 2);
    EXPECT_EQ(state.mPrimalPages[1].mRows, last.page.mRows);
    ASSERT_EQ(state.mPrimalBasis.size(), 2u);
    EXPECT_EQ(state.mPrimalBasis[0].name, "X1");
    EXPECT_EQ(state.mPrimalValues, (std::vector<double>{4.0, 2.0}));
    EXPECT_EQ(state.mPrimalOutcome, RunOutcome::Optimal);
}

TEST(WorkedExamples, MinimizationPrimalNeedsBigM) {
    VantrellState state = MinimizationExample();
    const RecordingPresenter presenter = Solve(state);

    ASSERT_EQ(presenter.shown.size(), 3u);
    const TableauPage& first = presenter.shown[0].page;
    EXPECT_EQ(first.mRows[0],
              (Cells{"", "Cj", "-2.000", "-3.000", "0.000", "(0.000, -1.000M)", "0.000"}));
    EXPECT_EQ(first.mRows[2][0] + first.mRows[2][1], "(0.000, -1.000M)a1");
    EXPECT_EQ(first.mEntering + first.mLeaving, "X1S2");
    EXPECT_EQ(presenter.shown[1].page.mEntering + presenter.shown[1].page.mLeaving, "X2a1");
    EXPECT_EQ(state.mSolutionLines,
              (Cells{"X2 = 1.000", "X1 = 3.000", "Solution = -9.000", "Other Variables: 0.0"}));
}

TEST(WorkedExamples, DualOfMaximization) {
    VantrellState state = MaximizationExample();
    const RecordingPresenter presenter = Solve(state, true);

    EXPECT_EQ(presenter.shown.size(), 4u);
    EXPECT_TRUE(presenter.shown.back().solvingDual);
    EXPECT_EQ(state.mSolutionLines,
              (Cells{"S2 = 1.000", "Y1 = 3.000", "Solution = -12.000", "Other Variables: 0.0"}));
    EXPECT_EQ(state.mDualTableauCount, 4);
    EXPECT_EQ(state.mPrimalTableauCount, 0);
    EXPECT_EQ(state.mDualOutcome, RunOutcome::Optimal);
}

TEST(WorkedExamples, DualOfMinimizationGivesThePrimalMinimum) {
    VantrellState state = MinimizationExample();
    const RecordingPresenter presenter = Solve(state, true);

    EXPECT_EQ(presenter.shown.size(), 3u);
    EXPECT_EQ(state.mSolutionLines,
              (Cells{"Y1 = 3.000", "Y2 = 1.000", "Solution = 9.000", "Other Variables: 0.0"}));
}

TEST(WorkedExamples, AlreadyOptimalFirstTableauIsTheOnlyPage) {
    VantrellState state =
        StateFor(MakeProblem({-1, -2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}), false);
    const RecordingPresenter presenter = Solve(state);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(state.mTableauCount, 1);
    // The ratio column shows the initial zeros on a page that is already optimal.
    EXPECT_EQ(presenter.shown[0].page.mRows[2].back(), "0.000");
    EXPECT_EQ(state.mSolutionLines,
              (Cells{"S1 = 4.000", "S2 = 6.000", "Solution = 0.000", "Other Variables: 0.0"}));
}

TEST(WorkedExamples, ZeroDecimalsAndExcludedRows) {
    VantrellState state = MaximizationExample();
    state.mDecimalPlaces = 0;
    state.mPrimal.constraints[1].coefficients[0] = 0.0;
    state.mPrimal.constraints[1].zeroMarks[0] = true;
    const RecordingPresenter presenter = Solve(state);
    const TableauPage& first = presenter.shown[0].page;
    EXPECT_EQ(first.mRows[4], (Cells{"", "Zj", "0", "0", "0", "0"}));
    EXPECT_EQ(first.mRows[3].back(), "-");  // X1 has no entry in row 2: no ratio
    EXPECT_EQ(first.mRows[2].back(), "4");
}

}  // namespace
}  // namespace vantrell

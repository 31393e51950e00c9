// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/main_commands.h"

#include <gtest/gtest.h>

#include "commands/calculate_commands.h"
#include "commands/export_commands.h"
#include "simplex/dual_builder.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "teach/exact_page_text.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::ScriptedPrompt;

VantrellState ThreeRowState() {
    VantrellState state;
    state.mPrimal = MakeProblem(
        {3, 2},
        {{{1, 0}, "<=", 4, "Plant1"}, {{0, 2}, "<=", 12, "Plant2"}, {{3, 2}, "<=", 18, "Plant3"}});
    RebuildDual(state.mPrimal, false, state.mDual);
    return state;
}

TEST(DeleteConstraint, AsksFirstAndRemovesRowAndNameTogether) {
    VantrellState state = ThreeRowState();
    ScriptedPrompt prompt;
    EXPECT_FALSE(DeleteConstraint(state, prompt, -1));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Select a constraint to delete"});
    EXPECT_TRUE(prompt.questions.empty());

    prompt.answers = {false, true};
    EXPECT_FALSE(DeleteConstraint(state, prompt, 1));
    EXPECT_EQ(state.mPrimal.constraints.size(), 3u);
    EXPECT_TRUE(DeleteConstraint(state, prompt, 1));
    EXPECT_EQ(prompt.discardQuestions.size(), 2u);  // asked with No as the default
    EXPECT_EQ(state.mPrimal.constraintNames, (std::vector<std::string>{"Plant1", "Plant3"}));
    EXPECT_EQ(state.mPrimal.constraints[1].rhs, 18.0);
}

TEST(NewProblem, EmptiesTheProblemNamesAndViewsButKeepsOptionsAndRuns) {
    VantrellState state = ThreeRowState();
    state.mProblemName = "Sample";
    state.mFileName = "/tmp/sample.lp";
    state.mDecimalPlaces = 2;
    ScriptedPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    ASSERT_TRUE(state.mSolved);
    const int keptPages = state.mPrimalTableauCount;

    prompt.answers = {false};
    NewProblem(state, prompt);
    EXPECT_EQ(prompt.questions,
              std::vector<std::string>{"Do you want to save the current inputs?"});
    EXPECT_TRUE(prompt.saveSpecs.empty());
    EXPECT_TRUE(state.mPrimal.objective.empty() && state.mPrimal.constraints.empty());
    EXPECT_TRUE(state.mDual.constraints.empty() && state.mSolutionLines.empty());
    EXPECT_EQ(state.mProblemName + state.mFileName + state.mSizeFields.m, "");
    EXPECT_EQ(std::tuple(state.mSolved, state.mDecimalPlaces, state.mPrimalTableauCount),
              std::tuple(false, 2, keptPages));
    EXPECT_TRUE(KeptRunIsStale(state, false));
}

TEST(PlotRefusal, NeedsTwoObjectiveTermsAndARow) {
    VantrellState state = ThreeRowState();
    EXPECT_EQ(PlotRefusal(state), std::nullopt);
    state.mPrimal.objective.push_back(state.mPrimal.objective[0]);
    EXPECT_EQ(PlotRefusal(state), "Size of Objective variables is not equal to 2");
    state.mPrimal.objective.pop_back();
    // A short row from a file is plotted with its missing terms as 0.
    state.mPrimal.constraints[0].ClearColumns();
    EXPECT_EQ(PlotRefusal(state), std::nullopt);
    state.mPrimal.constraints.clear();
    EXPECT_EQ(PlotRefusal(state), "Size of Constraints should at least be 2");
}

TEST(ExportSolution, RefusesUntilSolvedThenWritesTheReportOrSaysWhy) {
    VantrellState state = ThreeRowState();
    ScriptedPrompt prompt;
    const ReportClock clock{1, 2, 2027, 3, 4};
    ExportSolution(state, prompt, clock);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"The Problem must be solved first\n"});
    EXPECT_TRUE(prompt.saveSpecs.empty());

    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    testing::TempDir dir;
    const std::string path = dir.File("report.out");
    prompt.saveFiles = {path, dir.File("no/such/folder/report.out")};
    ExportSolution(state, prompt, clock);
    ASSERT_EQ(prompt.saveSpecs.size(), 1u);
    EXPECT_EQ(prompt.saveSpecs[0].initialName, "../Vantrell/out/*.out");
    EXPECT_EQ(testing::ReadWholeFile(path).rfind("Date:  1/ 2/2027,    Time:  3: 4\r\n\r\n", 0),
              0u);

    ExportSolution(state, prompt, clock);
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_NE(prompt.messages[1].find("no/such/folder/report.out"), std::string::npos);
}

// Kept runs belong to the problem they solved: a report never mixes two problems.
TEST(KeptRuns, OnlyRunsOfTheCurrentProblemAreReported) {
    VantrellState state = ThreeRowState();
    ScriptedPrompt prompt;
    SilentPresenter presenter;
    const ReportClock clock{1, 2, 2027, 3, 4};
    const auto has = [&](const std::string& part) {
        return BuildReport(state, clock).find(part) != std::string::npos;
    };
    const std::string dualStale = "\n    Dual: not solved for this problem\n";
    CalculateDual(state, prompt, presenter);
    // Another problem, only its primal solved: the old dual is not reported beside it.
    state.mPrimal = MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}});
    state.mMinimize = true;
    RebuildDual(state.mPrimal, true, state.mDual);
    CalculatePrimal(state, prompt, presenter);
    EXPECT_TRUE(has("Primal Tableau #1") && has(dualStale));
    EXPECT_FALSE(has("Dual Tableau #1") || has("Complete Dual Solution"));
    CalculateDual(state, prompt, presenter);
    EXPECT_TRUE(has("Dual Tableau #1") && !has(dualStale));
    // An edit leaves both runs stale: both sections replaced, and no export.
    state.mPrimal.constraints[1].rhs = 2;
    EXPECT_TRUE(has("\n    Primal: not solved for this problem\n") && has(dualStale));
    ExportSolution(state, prompt, clock);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{kNotSolvedMessage});
}

}  // namespace
}  // namespace vantrell

namespace vantrell {
namespace {

// The dual simplex method refuses a first tableau with a positive Cj-Zj; the run before
// it, its solution and the fields read from it stay as they were.
TEST(KeptRuns, ARefusedMethodKeepsTheLastRun) {
    VantrellState state = ThreeRowState();
    ScriptedPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    const std::vector<std::string> solved = DefaultSolutionLines(state);
    const SizeFields sizes = state.mSizeFields;
    state.mMethod = SolveMethod::DualSimplex;
    CalculatePrimal(state, prompt, presenter);
    ASSERT_EQ(prompt.messages.size(), 1U);
    EXPECT_TRUE(prompt.messages[0].starts_with("The dual simplex method needs a first tableau"));
    EXPECT_EQ(state.mPrimalOutcome, RunOutcome::Optimal);
    EXPECT_EQ(state.mSizeFields.n, sizes.n);
    // What Options lists again after a change, read from the working fields.
    EXPECT_EQ(DefaultSolutionLines(state), solved);
}

}  // namespace
}  // namespace vantrell

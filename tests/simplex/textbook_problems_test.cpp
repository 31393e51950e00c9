// SPDX-License-Identifier: GPL-3.0-or-later
// The named problems of a simplex course, each with the outcome and solution both runs
// must reach, then what a run keeps and shows along the way.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "export/report_builder.h"
#include "model/number_text.h"
#include "model/problem_file_reader.h"
#include "simplex/dual_builder.h"
#include "simplex/standard_form.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::RowSpec;
using Lines = std::vector<std::string>;

constexpr const char* kCyclingText = "Stopped after 30 tableaus: the problem may be cycling";
constexpr const char* kPageLimitText =
    "Stopped after 30 tableaus: the problem needs more tableaus than can be shown";
constexpr const char* kTooLargeText = "The numbers of this problem are too large to solve";
constexpr const char* kUnboundedText = "Unbounded: no row limits the entering variable";

// Counts the pages a run shows.
struct CountingPresenter : PagePresenter {
    void ShowPage(const VantrellState&, const TableauPage&) override { ++shown; }
    int shown = 0;
};

struct SolverRun {
    VantrellState state;
    testing::ScriptedPrompt prompt;
    CountingPresenter presenter;

    explicit SolverRun(const ProblemSet& primal, bool minimize = false) {
        state.mPrimal = primal;
        state.mMinimize = minimize;
        RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    }
    // Reads the text as Open does after the file is chosen.
    explicit SolverRun(const std::string& fileText) {
        ProblemFileReading reading = ReadProblemText(fileText);
        EXPECT_TRUE(reading.messages.empty()) << reading.messages.front();
        if (reading.file) {
            ApplyProblemFile(state, std::move(*reading.file), "generated.lp");
        }
    }
    Lines Primal() {
        CalculatePrimal(state, prompt, presenter);
        return state.mSolutionLines;
    }
    Lines Dual() {
        CalculateDual(state, prompt, presenter);
        return state.mSolutionLines;
    }
};

// "inf" or "nan" as a word of its own, as printf writes it ("-inf", "(nan, 1.000M)").
void ExpectNothingNonFiniteShown(const VantrellState& state) {
    static const std::regex nonFinite("(^|[^A-Za-z])(inf|nan)M?($|[^A-Za-z])");
    EXPECT_FALSE(std::regex_search(BuildReport(state, ReportClock{}), nonFinite));
    for (const std::string& line : state.mSolutionLines) {
        EXPECT_FALSE(std::regex_search(line, nonFinite)) << line;
    }
}

// A 40 x 40 problem file with every row dense on one line, far longer than 255 characters.
std::string DenseProblemText(int (*a)(int, int), int (*b)(int), int (*c)(int)) {
    const auto terms = [](auto value) {
        std::string line;
        for (int j = 0; j < 40; ++j) {
            line += (j > 0 ? " + " : "") + std::to_string(value(j)) + "X" + std::to_string(j + 1);
        }
        return line;
    };
    std::string text = "Dense# Problem Name\n3 #number of decimal places\n0 # minimize is 1\n\n";
    text += terms(c) + " #object function\n";
    for (int i = 0; i < 40; ++i) {
        text += "\nR" + std::to_string(i + 1) + "#constraint name\n" +
                terms([&](int j) { return a(i, j); }) + " <= " + std::to_string(b(i)) + "\n";
    }
    return text;
}

struct Textbook {
    const char* name;
    ProblemSet problem;
    bool minimize;
    RunOutcome primal;
    Lines primalLines;  // the Complete Solution list, or only its last lines when shorter
    int primalPages;
    RunOutcome dual;
    std::string dualValue;  // the dual's "Solution = " line, or its verdict line
    Lines messages;         // everything both runs said, in order
    PivotRule rule = PivotRule::LargestCjZj;
};

std::vector<Textbook> TextbookProblems() {
    constexpr double kMax = 1.7976931348623157e308;
    const Lines none;
    const std::string infeasible = OutcomeSolutionText(RunOutcome::Infeasible);
    const auto optimal = [](std::string value) {
        return Lines{"Solution = " + std::move(value), "Other Variables: 0.0"};
    };
    // clang-format off
    return {
        {"MaximizationExample", MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}), false,
         RunOutcome::Optimal, {"X1 = 4.000", "S2 = 2.000", "Solution = 12.000", "Other Variables: 0.0"}, 2,
         RunOutcome::Optimal, "Solution = -12.000", none},
        {"MinimizationExampleNeedsBigM", MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}), true,
         RunOutcome::Optimal, {"X2 = 1.000", "X1 = 3.000", "Solution = -9.000", "Other Variables: 0.0"}, 3,
         RunOutcome::Optimal, "Solution = 9.000", none},
        {"AlreadyOptimal", MakeProblem({-1, -2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}), false,
         RunOutcome::Optimal, {"S1 = 4.000", "S2 = 6.000", "Solution = 0.000", "Other Variables: 0.0"}, 1,
         RunOutcome::Optimal, "Solution = 0.000", none},
        {"Infeasible", MakeProblem({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, ">=", 5}}), false,
         RunOutcome::Infeasible, {infeasible}, 2,
         RunOutcome::Unbounded, kUnboundedText,
         {"ERROR: mLeavingRow is -1\nThe problem is unbounded: Y2 can grow without limit and W falls without limit."}},
        {"DegenerateArtificialAtZero", MakeProblem({1, 1}, {{{1, 1}, "=", 0}, {{1, 0}, "<=", 3}}), false,
         RunOutcome::Optimal, optimal("0.000"), 2,
         RunOutcome::Optimal, "Solution = 0.000", none},
        {"Unbounded", MakeProblem({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}}), false,
         RunOutcome::Unbounded, {kUnboundedText}, 1,
         RunOutcome::Infeasible, infeasible,
         {"ERROR: mLeavingRow is -1\nThe problem is unbounded: X2 can grow without limit and Z with it."}},
        // Beale's example cycles under the largest-coefficient rule with first-row ties.
        {"BealeCycles", MakeProblem({0.75, -20, 0.5, -6}, {{{0.25, -8, -1, 9}, "<=", 0},
                                                           {{0.5, -12, -0.5, 3}, "<=", 0},
                                                           {{0, 0, 1, 0}, "<=", 1}}), false,
         RunOutcome::Cycling, {kCyclingText}, 30,
         RunOutcome::Optimal, "Solution = -1.250", {kCyclingText}},
        {"BealeWithBlandsRule", MakeProblem({0.75, -20, 0.5, -6}, {{{0.25, -8, -1, 9}, "<=", 0},
                                                                   {{0.5, -12, -0.5, 3}, "<=", 0},
                                                                   {{0, 0, 1, 0}, "<=", 1}}), false,
         RunOutcome::Optimal, optimal("1.250"), 7,
         RunOutcome::Optimal, "Solution = -1.250", none, PivotRule::SmallestIndex},
        // Klee and Minty's cube in three dimensions: the largest-coefficient rule visits all
        // eight corners.
        {"KleeMinty3", MakeProblem({4, 2, 1}, {{{1, 0, 0}, "<=", 5}, {{4, 1, 0}, "<=", 25},
                                               {{8, 4, 1}, "<=", 125}}), false,
         RunOutcome::Optimal, optimal("125.000"), 8,
         RunOutcome::Optimal, "Solution = -125.000", none},
        {"NegativeRightHandSideTurnedAround", MakeProblem({2, 3}, {{{-1, -1}, "<=", -2}, {{1, 0}, "<=", 3}}), true,
         RunOutcome::Optimal, optimal("-4.000"), 2,
         RunOutcome::Optimal, "Solution = 4.000", none},
        {"RaggedRowsReadAsZeroFilled", MakeProblem({3, 2, 1}, {{{1, 1}, "<=", 4}, {{1, 3, 1}, "<=", 6}}), false,
         RunOutcome::Optimal, optimal("14.000"), 3,
         RunOutcome::Optimal, "Solution = -14.000", none},
        // The objective value of 1e300 X1 at 1e10 is beyond a double after the first pivot.
        {"OverflowAfterAPivot", MakeProblem({1e300, 1}, {{{1, 1}, "<=", 1e10}, {{0, 1}, "<=", 1}}), false,
         RunOutcome::TooLarge, {kTooLargeText}, 1,
         RunOutcome::TooLarge, kTooLargeText, {kTooLargeText, kTooLargeText}},
        // Read as "no ratio", a row limiting X1 at 9e29 would look unbounded.
        {"RatioBeyondTheNoRatioMark", MakeProblem({1, 1}, {{{1, 1}, "<=", 9e29}, {{1, 2}, "<=", 1e308}}), false,
         RunOutcome::TooLarge, {kTooLargeText}, 0,
         RunOutcome::Optimal, "", {kTooLargeText}},
        {"HugeButFinite", MakeProblem({1e300, 1e300}, {{{1e300, 1e300}, "<=", 1e300}, {{1e300, 0}, "<=", 1e300}}), false,
         RunOutcome::Optimal, {"X1 = 1.000", "S2 = 0.000", "Solution = " + FixedText(1e300, 3), "Other Variables: 0.0"}, 2,
         RunOutcome::Optimal, "", none},
        // Below the zero tolerance nothing improves and nothing can be a pivot.
        {"TinyBelowTolerance", MakeProblem({1e-300, 1e-300}, {{{1e-300, 1e-300}, "<=", 1e-300}, {{1e-300, 0}, "<=", 1}}), false,
         RunOutcome::Optimal, {"S1 = 0.000", "S2 = 1.000", "Solution = 0.000", "Other Variables: 0.0"}, 1,
         RunOutcome::Optimal, "", none},
        {"LargestDoubleCoefficient", MakeProblem({1, 1}, {{{kMax, 1}, "<=", kMax}, {{1, 1}, "<=", 1}}), false,
         RunOutcome::Optimal, {"Other Variables: 0.0"}, 3,
         RunOutcome::Optimal, "", none},
    };
    // clang-format on
}

TEST(TextbookProblems, BothRunsReachTheirOutcome) {
    for (const Textbook& t : TextbookProblems()) {
        SCOPED_TRACE(t.name);
        SolverRun run(t.problem, t.minimize);
        run.state.mPivotRule = t.rule;
        const Lines primal = run.Primal();
        ASSERT_GE(primal.size(), t.primalLines.size());
        EXPECT_EQ(Lines(primal.end() - static_cast<long>(t.primalLines.size()), primal.end()),
                  t.primalLines);
        EXPECT_EQ(run.state.mPrimalOutcome, t.primal);
        EXPECT_EQ(run.state.mPrimalTableauCount, t.primalPages);
        EXPECT_EQ(run.presenter.shown, t.primalPages);
        const Lines dual = run.Dual();
        EXPECT_EQ(run.state.mDualOutcome, t.dual);
        if (!t.dualValue.empty()) {
            const std::string value =
                t.dual == RunOutcome::Optimal ? dual[dual.size() - 2] : dual.back();
            EXPECT_EQ(value, t.dualValue);
        }
        EXPECT_EQ(run.prompt.messages, t.messages);
        ExpectNothingNonFiniteShown(run.state);
    }
}

TEST(TextbookProblems, FortyByFortyFromAFileReachesTheCertifiedOptimum) {
    // 136 is certified by hand: primal and dual feasible, in exact fractions.
    SolverRun run(DenseProblemText([](int i, int j) { return 1 + (i * 7 + j * 3) % 5; },
                                   [](int i) { return 100 + i; }, [](int j) { return 1 + j % 4; }));
    EXPECT_EQ(run.Primal()[40], "Solution = 136.000");
    EXPECT_TRUE(run.prompt.messages.empty());
}

TEST(TextbookProblems, RunsLongerThanThePageStoreStopAtItsEnd) {
    // Every variable must enter once: forty pivots, more than thirty pages.
    SolverRun run(DenseProblemText([](int i, int j) { return i == j ? 10 : 1; },
                                   [](int) { return 100; }, [](int) { return 1; }));
    run.Primal();
    run.Dual();
    EXPECT_EQ(run.prompt.messages, (Lines{kPageLimitText, kPageLimitText}));
    EXPECT_EQ(run.state.mDualOutcome, RunOutcome::PageLimit);
    const std::string report = BuildReport(run.state, ReportClock{});
    EXPECT_NE(report.find("Dual Tableau #30\n"), std::string::npos);
    EXPECT_EQ(report.find("Dual Tableau #31"), std::string::npos);
}

TEST(KeptRuns, FailedAndRefusedRunsKeepWhatEarlierRunsFound) {
    SolverRun run(MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}));
    run.Primal();
    const TableauPage firstPage = run.state.mPrimalPages[0];

    run.state.mPrimal.objective.pop_back();  // refused before its first page
    run.Primal();
    run.state.mPrimal = MakeProblem({3, 2}, {{{1, 1}, "=<", 4}, {{1, 3}, "<=", 6}});
    run.Primal();
    run.state.mPrimal = MakeProblem({3, 2}, {{{1, 1}, "<=", 4}});  // one row is not empty
    run.Primal();
    EXPECT_EQ(
        run.prompt.messages,
        (Lines{"The objective function is empty",
               "The relation of constraint 1 is unknown: use <=, = or >=", kOneConstraintMessage}));
    EXPECT_EQ(run.state.mPrimalTableauCount, 2);
    EXPECT_EQ(run.state.mPrimalPages[0].mRows, firstPage.mRows);

    run.state.mDisplayDuality = false;
    run.Dual();
    EXPECT_EQ(run.prompt.messages.back(), "Duality is turned off. Use Options to turn it back on");
    EXPECT_EQ(run.state.mDualTableauCount, 0);

    // Unbounded on its first page: no page kept, and the earlier optimum not forgotten.
    run.state.mPrimal = MakeProblem({1, 1}, {{{-1, 1}, "<=", 1}, {{-1, 2}, "<=", 4}});
    run.Primal();
    EXPECT_EQ(run.state.mPrimalTableauCount, 0);
    EXPECT_TRUE(run.state.mSolved);
    EXPECT_TRUE(run.state.mPages[0].mRows.empty());
}

TEST(KeptRuns, KeptPagesStayWhenTheNextRunWritesItsOwn) {
    SolverRun run(MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}));
    run.Primal();
    const auto kept = run.state.mPrimalPages[1].mRows;
    run.Dual();
    EXPECT_EQ(run.state.mPrimalPages[1].mRows, kept);
    EXPECT_NE(run.state.mPages[1].mRows, kept);
    // What the last run wrote and what it kept are the same pages.
    EXPECT_EQ(run.state.mDualPages[3].mRows, run.state.mPages[3].mRows);
}

}  // namespace
}  // namespace vantrell

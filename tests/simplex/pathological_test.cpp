// Problems far from the classroom: forty variables and constraints read from a file, and
// coefficients near the ends of what a double holds. Every run must end with an outcome
// that tells the truth, and no page, solution line or report may show a number that is not
// finite.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "commands/file_commands.h"
#include "export/report_builder.h"
#include "model/number_text.h"
#include "model/problem_file_reader.h"
#include "simplex/calculate_commands.h"
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
using Lines = std::vector<std::string>;

// "inf" or "nan" as a word of its own, as printf writes a number that is not finite
// ("-inf", "(nan, 1.000M)", "infM").
bool ShowsNonFinite(std::string_view text) {
    const auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isLetter(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && isLetter(text[i])) {
            ++i;
        }
        const std::string_view word = text.substr(start, i - start);
        if (word == "inf" || word == "nan" || word == "infM" || word == "nanM") {
            return true;
        }
    }
    return false;
}

void ExpectPagesFinite(const PageStore& pages, std::int32_t count) {
    for (std::int32_t p = 0; p < count; ++p) {
        const TableauPage& page = pages[static_cast<std::size_t>(p)];
        EXPECT_TRUE(std::isfinite(page.mZ)) << "page " << p;
        EXPECT_TRUE(std::isfinite(page.mPivotValue)) << "page " << p;
        for (const std::string& line : RecordingPresenter::Lines(page)) {
            EXPECT_FALSE(ShowsNonFinite(line)) << "page " << p << ": " << line;
        }
    }
}

void ExpectNothingNonFiniteShown(const VantrellState& state) {
    ExpectPagesFinite(state.mPrimalPages, state.mPrimalTableauCount);
    ExpectPagesFinite(state.mDualPages, state.mDualTableauCount);
    for (const std::string& line : state.mSolutionLines) {
        EXPECT_FALSE(ShowsNonFinite(line)) << line;
    }
    EXPECT_FALSE(ShowsNonFinite(BuildReport(state, ReportClock{})));
}

// Counts the pages shown; a copy of each of sixty wide pages would cost more than the run.
struct CountingPresenter : PagePresenter {
    void ShowPage(const VantrellState&, const TableauPage&) override { ++shown; }
    std::size_t shown = 0;
};

struct SolverRun {
    VantrellState state;
    ScriptedPrompt prompt;
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
    void Primal() { CalculatePrimal(state, prompt, presenter); }
    void Dual() { CalculateDual(state, prompt, presenter); }
};

// A problem file with every row dense: the terms X1..Xn of each row on one line, which
// for forty variables is far longer than the 255 characters a line once had to fit in.
std::string DenseProblemText(int variables, int constraints,
                             const std::function<int(int, int)>& coefficient,
                             const std::function<int(int)>& rhs,
                             const std::function<int(int)>& cost) {
    const auto terms = [variables](const std::function<int(int)>& value) {
        std::string line;
        for (int j = 0; j < variables; ++j) {
            line += (j > 0 ? " + " : "") + std::to_string(value(j)) + "X" + std::to_string(j + 1);
        }
        return line;
    };
    std::string text = "Dense# Problem Name\n3 #number of decimal places\n0 # minimize is 1\n\n";
    text += terms(cost) + " #object function\n";
    for (int i = 0; i < constraints; ++i) {
        text += "\nR" + std::to_string(i + 1) + "#constraint name " + std::to_string(i + 1) + "\n";
        text += terms([&](int j) { return coefficient(i, j); }) + " <= " + std::to_string(rhs(i)) +
                "\n";
    }
    return text;
}

// The values of the decision variables in a kept basis; the others are 0.
std::map<std::string, double> DecisionValues(const std::vector<CostTerm>& basis,
                                             const std::vector<double>& values) {
    std::map<std::string, double> decision;
    for (std::size_t r = 0; r < basis.size() && r < values.size(); ++r) {
        if (basis[r].name.rfind('X', 0) == 0) {
            decision[basis[r].name] = values[r];
        }
    }
    return decision;
}

TEST(DenseProblem, FortyByFortyFromAFileReachesTheTrueOptimum) {
    constexpr int kSize = 40;
    const auto coefficient = [](int i, int j) { return 1 + (i * 7 + j * 3) % 5; };
    const auto rhs = [](int i) { return 100 + i; };
    const auto cost = [](int j) { return 1 + j % 4; };
    SolverRun run(DenseProblemText(kSize, kSize, coefficient, rhs, cost));
    ASSERT_EQ(run.state.mPrimal.constraints.size(), std::size_t{kSize});
    ASSERT_EQ(run.state.mPrimal.constraints.back().ColumnCount(), std::size_t{kSize});

    run.Primal();

    ASSERT_EQ(run.state.mPrimalOutcome, RunOutcome::Optimal);
    EXPECT_TRUE(run.prompt.messages.empty());
    EXPECT_LE(run.state.mPrimalTableauCount, kTableauPages);
    // 136 is certified by hand: the final basis has non-negative values and duals with
    // y'A >= c, both computed in exact fractions.
    EXPECT_EQ(run.state.mSolutionLines[kSize], "Solution = 136.000");
    // The solution the engine lists satisfies every row of the problem as read.
    const auto x = DecisionValues(run.state.mPrimalBasis, run.state.mPrimalValues);
    double z = 0.0;
    for (const auto& [name, value] : x) {
        EXPECT_GE(value, -1e-9) << name;
        z += cost(std::stoi(name.substr(1)) - 1) * value;
    }
    EXPECT_NEAR(z, 136.0, 1e-9);
    for (int i = 0; i < kSize; ++i) {
        double sum = 0.0;
        for (const auto& [name, value] : x) {
            sum += coefficient(i, std::stoi(name.substr(1)) - 1) * value;
        }
        EXPECT_LE(sum, rhs(i) + 1e-9) << "row " << i + 1;
    }
    ExpectNothingNonFiniteShown(run.state);
}

TEST(DenseProblem, RunsLongerThanThePageStoreStopAtItsEnd) {
    // Every variable must enter once: forty pivots, more than thirty pages.
    constexpr int kSize = 40;
    SolverRun run(DenseProblemText(
        kSize, kSize, [](int i, int j) { return i == j ? 10 : 1; }, [](int) { return 100; },
        [](int) { return 1; }));

    run.Primal();
    run.Dual();

    EXPECT_EQ(run.prompt.messages, (Lines{kPageLimitMessage, kPageLimitMessage}));
    EXPECT_EQ(run.presenter.shown, 2u * kTableauPages);
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::PageLimit);
    EXPECT_EQ(run.state.mDualOutcome, RunOutcome::PageLimit);
    EXPECT_EQ(run.state.mPrimalTableauCount, kTableauPages);
    EXPECT_EQ(run.state.mDualTableauCount, kTableauPages);
    EXPECT_FALSE(run.state.mSolved);
    const std::string report = BuildReport(run.state, ReportClock{});
    EXPECT_NE(report.find("Primal Tableau #30\n"), std::string::npos);
    EXPECT_EQ(report.find("Primal Tableau #31"), std::string::npos);
    EXPECT_NE(report.find("Dual Tableau #30\n"), std::string::npos);
    EXPECT_EQ(report.find("Dual Tableau #31"), std::string::npos);
    ExpectNothingNonFiniteShown(run.state);
}

TEST(HugeNumbers, OverflowAfterAPivotEndsTheRunAndKeepsTheFinitePages) {
    // X1 enters at 1e10 with a cost of 1e300: the objective value of page 1 overflows.
    SolverRun run(MakeProblem({1e300, 1}, {{{1, 1}, "<=", 1e10}, {{0, 1}, "<=", 1}}));
    run.Primal();

    EXPECT_EQ(run.prompt.messages, (Lines{kTooLargeMessage}));
    EXPECT_EQ(run.presenter.shown, 1u);
    EXPECT_EQ(run.state.mTableauCount, 1);
    EXPECT_TRUE(run.state.mPages[1].mRows.empty());
    EXPECT_EQ(run.state.mLeavingRow, -1);
    EXPECT_FALSE(run.state.mSolved);
    EXPECT_EQ(run.state.mRunOutcome, RunOutcome::TooLarge);
    EXPECT_EQ(run.state.mSolutionLines, (Lines{OutcomeSolutionText(RunOutcome::TooLarge)}));
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::TooLarge);
    EXPECT_EQ(run.state.mPrimalTableauCount, 1);

    const std::string report = BuildReport(run.state, ReportClock{});
    EXPECT_NE(report.find("Primal Tableau #1\n"), std::string::npos);
    EXPECT_EQ(report.find("Primal Tableau #2"), std::string::npos);
    // No basis lines: the values kept are those of the pivot that overflowed.
    EXPECT_NE(report.find("Complete Primal Solution:\n"
                          "    The numbers of this problem are too large to solve\n"),
              std::string::npos)
        << report;
    ExpectNothingNonFiniteShown(run.state);
}

TEST(HugeNumbers, EarlierSolutionSurvivesARunThatOverflows) {
    SolverRun run(MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}));
    run.Primal();
    ASSERT_TRUE(run.state.mSolved);

    run.state.mPrimal = MakeProblem({1e300, 1}, {{{1, 1}, "<=", 1e10}, {{0, 1}, "<=", 1}});
    run.Primal();

    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::TooLarge);
    // As after an unbounded run: only a finished run changes whether the problem is solved.
    EXPECT_TRUE(run.state.mSolved);
}

TEST(HugeNumbers, RatioAtOrBeyondTheNoRatioMarkIsTooLargeNotUnbounded) {
    // Both rows limit X1, at 1e308 and at 9e29 exactly; read as "no ratio" they would make
    // the problem look unbounded.
    for (const double rhs : {1e308, 9e29}) {
        SCOPED_TRACE(rhs);
        SolverRun run(MakeProblem({1, 1}, {{{1, 1}, "<=", rhs}, {{1, 2}, "<=", 1e308}}));
        run.Primal();

        EXPECT_EQ(run.prompt.messages, (Lines{kTooLargeMessage}));
        EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::TooLarge);
        EXPECT_EQ(run.presenter.shown, 0u);
        EXPECT_EQ(run.state.mPrimalTableauCount, 0);
    }
}

// The first input the run fuzzer broke: two ">=" rows with 1e308 in the same column give
// an M part of -2e308 in the first Zj row, which the first tableau showed as "-inf".
TEST(HugeNumbers, FileWithAnMPartBeyondADoubleStopsBeforeTheFirstPage) {
    SolverRun run(
        "Diet# Problem Name\n3 #number of decimal places\n1 # minimize is 1\n\n"
        "2.000X1 + 3.000X2 #object function\n"
        "\nDemand#constraint name 1\n1e308X1 + 1.009X2 >= 4.000\n"
        "\nSupply#constraint name 2\n1e308X1 + 3.000X2 >= 4.000\n");
    run.Primal();
    run.Dual();

    EXPECT_EQ(run.prompt.messages, (Lines{kTooLargeMessage}));
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::TooLarge);
    EXPECT_EQ(run.state.mPrimalTableauCount, 0);
    // The dual keeps its numbers small: 1e308 Y1 + 1e308 Y2 <= 2 leaves both near zero.
    EXPECT_EQ(run.state.mDualOutcome, RunOutcome::Optimal);
    EXPECT_EQ(run.state.mSolutionLines,
              (Lines{"Y1 = 0.000", "S2 = 3.000", "Solution = 0.000", "Other Variables: 0.0"}));
    ExpectNothingNonFiniteShown(run.state);
}

// Problems whose numbers stay within a double all the way: each ends as it should, and
// neither run shows a number that is not finite.
TEST(ExtremeCoefficients, EndWithATrueOutcomeAndNothingNonFiniteShown) {
    struct Case {
        const char* name;
        std::vector<double> costs;
        std::vector<RowSpec> rows;
        bool minimize;
        RunOutcome primal;
        Lines primalSolution;  // checked when not empty
        RunOutcome dual;
    };
    const Case cases[] = {
        {"huge and even: solved exactly",
         {1e300, 1e300},
         {{{1e300, 1e300}, "<=", 1e300}, {{1e300, 0}, "<=", 1e300}},
         false,
         RunOutcome::Optimal,
         {"X1 = 1.000", "S2 = 0.000", "Solution = " + FixedText(1e300, 3), "Other Variables: 0.0"},
         RunOutcome::Optimal},
        // Below the zero tolerance nothing improves and nothing can be a pivot.
        {"tiny: every value counts as zero",
         {1e-300, 1e-300},
         {{{1e-300, 1e-300}, "<=", 1e-300}, {{1e-300, 0}, "<=", 1}},
         false,
         RunOutcome::Optimal,
         {"S1 = 0.000", "S2 = 1.000", "Solution = 0.000", "Other Variables: 0.0"},
         RunOutcome::Optimal},
        {"tiny pivot only: the column cannot enter anywhere",
         {1e300, 1},
         {{{1e-300, 1}, "<=", 1}, {{1e-300, 2}, "<=", 4}},
         false,
         RunOutcome::Unbounded,
         {OutcomeSolutionText(RunOutcome::Unbounded)},
         RunOutcome::Infeasible},
        {"mixed, minimized",
         {1e300, 1e-300},
         {{{1e-300, 1e300}, ">=", 1e300}, {{1e300, 1e-300}, ">=", 1e-300}},
         true,
         RunOutcome::Optimal,
         {},
         RunOutcome::Optimal},
        {"largest doubles in the rows",
         {1, 1},
         {{{1.7976931348623157e308, 1}, "<=", 1.7976931348623157e308}, {{1, 1}, "<=", 1}},
         false,
         RunOutcome::Optimal,
         {},
         RunOutcome::Optimal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SolverRun run(MakeProblem(c.costs, c.rows), c.minimize);
        run.Primal();
        run.Dual();
        EXPECT_EQ(run.state.mPrimalOutcome, c.primal) << ToString(run.state.mPrimalOutcome);
        if (!c.primalSolution.empty()) {
            SolverRun primalOnly(MakeProblem(c.costs, c.rows), c.minimize);
            primalOnly.Primal();
            EXPECT_EQ(primalOnly.state.mSolutionLines, c.primalSolution);
        }
        EXPECT_EQ(run.state.mDualOutcome, c.dual) << ToString(run.state.mDualOutcome);
        ExpectNothingNonFiniteShown(run.state);
    }
}

}  // namespace
}  // namespace vantrell

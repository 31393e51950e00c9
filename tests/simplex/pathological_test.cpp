// Problems far from the classroom: forty variables and constraints read from a file, and
// coefficients near the ends of what a double holds. Every run must end with an outcome
// that tells the truth, and no page, solution line or report may show a non-finite number.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "export/report_builder.h"
#include "model/number_text.h"
#include "model/problem_file_reader.h"
#include "simplex/dual_builder.h"
#include "simplex/iteration.h"
#include "support/problem_builders.h"
#include "support/recording_presenter.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::RowSpec;
using Lines = std::vector<std::string>;

// "inf" or "nan" as a word of its own, as printf writes it ("-inf", "(nan, 1.000M)", "infM").
void ExpectFinite(const std::string& text) {
    static const std::regex nonFinite("(^|[^A-Za-z])(inf|nan)M?($|[^A-Za-z])");
    EXPECT_FALSE(std::regex_search(text, nonFinite)) << text;
}

void ExpectNothingNonFiniteShown(const VantrellState& state) {
    for (const auto& [pages, count] : {std::pair{&state.mPrimalPages, state.mPrimalTableauCount},
                                       std::pair{&state.mDualPages, state.mDualTableauCount}}) {
        for (std::int32_t p = 0; p < count; ++p) {
            const TableauPage& page = (*pages)[static_cast<std::size_t>(p)];
            EXPECT_TRUE(std::isfinite(page.mZ) && std::isfinite(page.mPivotValue)) << p;
            for (const std::string& line : testing::RecordingPresenter::Lines(page)) {
                ExpectFinite(line);
            }
        }
    }
    for (const std::string& line : state.mSolutionLines)
        ExpectFinite(line);
    ExpectFinite(BuildReport(state, ReportClock{}));
}

// Counts the pages shown; a copy of each of sixty wide pages would cost more than the run.
struct CountingPresenter : PagePresenter {
    void ShowPage(const VantrellState&, const TableauPage&) override { ++shown; }
    std::size_t shown = 0;
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
        if (reading.file)
            ApplyProblemFile(state, std::move(*reading.file), "generated.lp");
    }
    void Primal() { CalculatePrimal(state, prompt, presenter); }
    void Dual() { CalculateDual(state, prompt, presenter); }
    std::string Report() const { return BuildReport(state, ReportClock{}); }
};

// A 40 x 40 problem file with every row dense on one line, far longer than 255 characters.
constexpr int kSize = 40;
std::string DenseProblemText(const std::function<int(int, int)>& a,
                             const std::function<int(int)>& b, const std::function<int(int)>& c) {
    const auto terms = [](const std::function<int(int)>& value) {
        std::string line;
        for (int j = 0; j < kSize; ++j) {
            line += (j > 0 ? " + " : "") + std::to_string(value(j)) + "X" + std::to_string(j + 1);
        }
        return line;
    };
    std::string text = "Dense# Problem Name\n3 #number of decimal places\n0 # minimize is 1\n\n";
    text += terms(c) + " #object function\n";
    for (int i = 0; i < kSize; ++i) {
        text += "\nR" + std::to_string(i + 1) + "#constraint name\n" +
                terms([&](int j) { return a(i, j); }) + " <= " + std::to_string(b(i)) + "\n";
    }
    return text;
}

TEST(DenseProblem, FortyByFortyFromAFileReachesTheTrueOptimum) {
    const auto a = [](int i, int j) { return 1 + (i * 7 + j * 3) % 5; };
    const auto b = [](int i) { return 100 + i; };
    const auto c = [](int j) { return 1 + j % 4; };
    SolverRun run(DenseProblemText(a, b, c));
    ASSERT_EQ(run.state.mPrimal.constraints.back().ColumnCount(), std::size_t{kSize});
    run.Primal();
    ASSERT_EQ(run.state.mPrimalOutcome, RunOutcome::Optimal);
    EXPECT_TRUE(run.prompt.messages.empty());
    // 136 is certified by hand: primal and dual feasible, in exact fractions.
    EXPECT_EQ(run.state.mSolutionLines[kSize], "Solution = 136.000");
    // The listed solution satisfies every row of the problem as read.
    std::vector<double> x(kSize, 0.0);
    for (std::size_t r = 0; r < run.state.mPrimalBasis.size(); ++r) {
        const std::string& name = run.state.mPrimalBasis[r].name;
        if (name.rfind('X', 0) == 0)
            x[std::stoul(name.substr(1)) - 1] = run.state.mPrimalValues[r];
    }
    double z = 0.0;
    for (int j = 0; j < kSize; ++j)
        z += c(j) * x[j];
    EXPECT_NEAR(z, 136.0, 1e-9);
    for (int i = 0; i < kSize; ++i) {
        double sum = 0.0;
        for (int j = 0; j < kSize; ++j)
            sum += a(i, j) * x[j];
        EXPECT_LE(sum, b(i) + 1e-9) << "row " << i + 1;
    }
    ExpectNothingNonFiniteShown(run.state);
}

TEST(DenseProblem, RunsLongerThanThePageStoreStopAtItsEnd) {
    // Every variable must enter once: forty pivots, more than thirty pages, and no basis
    // comes back, so the stop does not call it cycling.
    SolverRun run(DenseProblemText([](int i, int j) { return i == j ? 10 : 1; },
                                   [](int) { return 100; }, [](int) { return 1; }));
    run.Primal();
    run.Dual();
    EXPECT_EQ(run.prompt.messages, (Lines{kPageLimitMessage, kPageLimitMessage}));
    EXPECT_EQ(run.presenter.shown, 2u * kTableauPages);
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::PageLimit);
    EXPECT_EQ(run.state.mDualOutcome, RunOutcome::PageLimit);
    EXPECT_FALSE(run.state.mSolved);
    const std::string report = run.Report();
    for (const char* side : {"Primal", "Dual"}) {
        EXPECT_NE(report.find(std::string(side) + " Tableau #30\n"), std::string::npos);
        EXPECT_EQ(report.find(std::string(side) + " Tableau #31"), std::string::npos);
    }
    ExpectNothingNonFiniteShown(run.state);
}

TEST(HugeNumbers, OverflowAfterAPivotEndsTheRunAndKeepsTheFinitePages) {
    // X1 enters at 1e10 with a cost of 1e300: the objective value of page 1 overflows.
    SolverRun run(MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}));
    run.Primal();
    ASSERT_TRUE(run.state.mSolved);
    run.state.mPrimal = MakeProblem({1e300, 1}, {{{1, 1}, "<=", 1e10}, {{0, 1}, "<=", 1}});
    run.presenter.shown = 0;
    run.Primal();

    EXPECT_EQ(run.prompt.messages, (Lines{kTooLargeMessage}));
    EXPECT_EQ(run.presenter.shown, 1u);
    EXPECT_EQ(run.state.mPrimalTableauCount, 1);
    EXPECT_EQ(run.state.mLeavingRow, -1);
    EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::TooLarge);
    // As after an unbounded run: only a finished run changes whether the problem is solved.
    EXPECT_TRUE(run.state.mSolved);
    EXPECT_EQ(run.state.mSolutionLines, (Lines{OutcomeSolutionText(RunOutcome::TooLarge)}));
    const std::string report = run.Report();
    EXPECT_EQ(report.find("Primal Tableau #2"), std::string::npos);
    EXPECT_NE(report.find("Complete Primal Solution:\n"
                          "    The numbers of this problem are too large to solve\n"),
              std::string::npos)
        << report;
    ExpectNothingNonFiniteShown(run.state);
}

TEST(HugeNumbers, RatioAtOrBeyondTheNoRatioMarkIsTooLargeNotUnbounded) {
    // Read as "no ratio", rows limiting X1 at 1e308 or 9e29 would look unbounded.
    for (const double rhs : {1e308, 9e29}) {
        SolverRun run(MakeProblem({1, 1}, {{{1, 1}, "<=", rhs}, {{1, 2}, "<=", 1e308}}));
        run.Primal();
        EXPECT_EQ(run.prompt.messages, (Lines{kTooLargeMessage})) << rhs;
        EXPECT_EQ(run.state.mPrimalOutcome, RunOutcome::TooLarge) << rhs;
        EXPECT_EQ(run.presenter.shown, 0u) << rhs;
    }
}

// Two ">=" rows with 1e308 in one column give an M part of -2e308 in the first Zj row.
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

// Numbers that stay within a double all the way: a true outcome, nothing non-finite shown.
TEST(ExtremeCoefficients, EndWithATrueOutcomeAndNothingNonFiniteShown) {
    constexpr double kMax = 1.7976931348623157e308;
    struct Case {
        std::vector<double> costs;
        std::vector<RowSpec> rows;
        bool minimize;
        RunOutcome primal, dual;
        Lines primalSolution;  // checked when not empty
    } const cases[] = {
        {{1e300, 1e300},
         {{{1e300, 1e300}, "<=", 1e300}, {{1e300, 0}, "<=", 1e300}},
         false,
         RunOutcome::Optimal,
         RunOutcome::Optimal,
         {"X1 = 1.000", "S2 = 0.000", "Solution = " + FixedText(1e300, 3), "Other Variables: 0.0"}},
        // Below the zero tolerance nothing improves and nothing can be a pivot.
        {{1e-300, 1e-300},
         {{{1e-300, 1e-300}, "<=", 1e-300}, {{1e-300, 0}, "<=", 1}},
         false,
         RunOutcome::Optimal,
         RunOutcome::Optimal,
         {"S1 = 0.000", "S2 = 1.000", "Solution = 0.000", "Other Variables: 0.0"}},
        {{1e300, 1},
         {{{1e-300, 1}, "<=", 1}, {{1e-300, 2}, "<=", 4}},
         false,
         RunOutcome::Unbounded,
         RunOutcome::Infeasible,
         {OutcomeSolutionText(RunOutcome::Unbounded)}},
        {{1e300, 1e-300},
         {{{1e-300, 1e300}, ">=", 1e300}, {{1e300, 1e-300}, ">=", 1e-300}},
         true,
         RunOutcome::Optimal,
         RunOutcome::Optimal,
         {}},
        {{1, 1},
         {{{kMax, 1}, "<=", kMax}, {{1, 1}, "<=", 1}},
         false,
         RunOutcome::Optimal,
         RunOutcome::Optimal,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.costs[0]);
        SolverRun run(MakeProblem(c.costs, c.rows), c.minimize);
        run.Primal();
        if (!c.primalSolution.empty()) {
            EXPECT_EQ(run.state.mSolutionLines, c.primalSolution);
        }
        run.Dual();
        EXPECT_EQ(run.state.mPrimalOutcome, c.primal) << ToString(run.state.mPrimalOutcome);
        EXPECT_EQ(run.state.mDualOutcome, c.dual) << ToString(run.state.mDualOutcome);
        ExpectNothingNonFiniteShown(run.state);
    }
}

}  // namespace
}  // namespace vantrell

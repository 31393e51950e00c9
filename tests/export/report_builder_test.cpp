// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/report_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/calculate_commands.h"
#include "support/problem_builders.h"

namespace vantrell {
namespace {

using testing::MakeProblem;

const ReportClock kFifthOfDecember{12, 5, 2026, 9, 7};

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// max 3 X1 subject to X1 <= 4 and its dual min 4 Y1 subject to Y1 >= 3, two pages each.
// The cells are typed in, not produced by the engine.
VantrellState SolvedState() {
    VantrellState state;
    state.mFileName = "/data/plant.lp";
    state.mProblemName = "Plant";
    state.mPrimal = MakeProblem({3}, {{{1}, "<=", 4, "Capacity"}});
    state.mDual = MakeProblem({4}, {{{1}, ">=", 3, ""}});
    state.mDual.objective[0].name = state.mDual.constraints[0].columnNames[0] = "Y1";
    state.mSolved = true;
    state.mPrimalPages[0].mRows = {{"", "Cj", "3.000"}, {"Cb", "Basis", "X1", "Bi"}};
    state.mPrimalPages[0].mLeaving = "S1";
    state.mPrimalPages[0].mEntering = "X1";
    state.mPrimalPages[0].mPivotValue = 1.0;
    state.mPrimalPages[1].mZ = 12.0;
    state.mDualPages[1].mZ = -12.0;
    state.mPrimalTableauCount = state.mDualTableauCount = 2;
    state.mPrimalBasis = {CostTerm{0, "X1"}};
    state.mPrimalValues = {4.0};
    state.mDualBasis = {CostTerm{0, "Y1"}};
    state.mDualValues = {3.0};
    state.mPrimalOutcome = state.mDualOutcome = RunOutcome::Optimal;
    return state;
}

// Without a file name the header leaves it out; with the display off the dual is left out.
TEST(ReportBuilderTest, HeaderPadsWithBlanksAndEmptyOrHiddenPartsAreLeftOut) {
    VantrellState state = SolvedState();
    state.mFileName.clear();
    state.mProblemName.clear();
    state.mDisplayDuality = false;
    const std::string report = BuildReport(state, {1, 2, 2027, 23, 0});
    EXPECT_EQ(report.rfind("Date:  1/ 2/2027,    Time: 23: 0\n\n\n\nObjective Function:", 0), 0u)
        << report.substr(0, 80);
    EXPECT_TRUE(EndsWith(report, "    Primal Solution = 12.000\n    Other Variables: 0.0\n"));
    EXPECT_FALSE(Has(report, "Filename") || Has(report, "Dual"));
}

TEST(ReportBuilderTest, RunWithoutOptimumPrintsItsOutcomeInPlaceOfTheSolution) {
    for (const RunOutcome outcome : {RunOutcome::Infeasible, RunOutcome::Unbounded,
                                     RunOutcome::PageLimit, RunOutcome::Stopped}) {
        SCOPED_TRACE(ToString(outcome));
        const std::string line = "    " + OutcomeSolutionText(outcome) + "\n";
        ASSERT_GT(line.size(), 5u);

        VantrellState primal = SolvedState();
        primal.mPrimalOutcome = outcome;
        const std::string primalReport = BuildReport(primal, kFifthOfDecember);
        EXPECT_TRUE(Has(primalReport, "    X1 = 4.000\n" + line + "\n\n\nDual Constraints:\n"))
            << primalReport;
        EXPECT_FALSE(Has(primalReport, "Primal Solution ="));
        EXPECT_FALSE(Has(primalReport, "Other Variables"));

        VantrellState dual = SolvedState();
        dual.mDualOutcome = outcome;
        const std::string dualReport = BuildReport(dual, kFifthOfDecember);
        EXPECT_TRUE(EndsWith(dualReport, "Complete Dual Solution:\n    Y1 = 3.000\n" + line))
            << dualReport;
        EXPECT_TRUE(Has(dualReport, "    Primal Solution = 12.000\n"));
    }
}

// Stops the run on its first page, as Stop in the tableau window does.
class StopAtOnce : public PagePresenter {
  public:
    void ShowPage(const VantrellState&, const TableauPage&) override {}
    bool StopRequested() const override { return true; }
};

// A stopped run in fractions lists the values of the page it stopped on, not the exact
// run's optimum.
TEST(ReportBuilderTest, AStoppedRunListsThePageItStoppedOn) {
    VantrellState state;
    state.mPrimal = testing::ThreePlants();
    state.mDisplay = {NumberStyle::Fractions, BigMStyle::Expressions};
    SilentPrompt prompt;
    StopAtOnce stop;
    CalculatePrimal(state, prompt, stop);
    ASSERT_EQ(state.mPrimalOutcome, RunOutcome::Stopped);
    const std::string report = BuildReport(state, kFifthOfDecember);
    EXPECT_TRUE(Has(report, "    S1 = 4\n")) << report;
    EXPECT_TRUE(Has(report, OutcomeSolutionText(RunOutcome::Stopped)));
    EXPECT_FALSE(Has(report, "    X2 = 6\n")) << report;
}

// No kept run (or a page count past the store) leaves the value empty or bounded.
TEST(ReportBuilderTest, SolutionValueNeedsAKeptRunWithinTheStore) {
    const std::pair<RunOutcome, std::int32_t> cases[] = {
        {RunOutcome::Optimal, 0}, {RunOutcome::NotRun, 2}, {RunOutcome::Optimal, -1}};
    for (const auto& [outcome, count] : cases) {
        VantrellState state = SolvedState();
        state.mPrimalOutcome = state.mDualOutcome = outcome;
        state.mPrimalTableauCount = state.mDualTableauCount = count;
        const std::string report = BuildReport(state, kFifthOfDecember);
        EXPECT_TRUE(
            Has(report, "    X1 = 4.000\n    Primal Solution = \n    Other Variables: 0.0\n"))
            << report;
        EXPECT_TRUE(EndsWith(report, "    Dual Solution = \n    Other Dual Variables: 0.0\n"));
    }
    VantrellState state = SolvedState();
    state.mPrimalTableauCount = kTableauPages + 5;
    state.mPrimalPages[kTableauPages - 1].mZ = 7.0;
    const std::string report = BuildReport(state, kFifthOfDecember);
    EXPECT_TRUE(Has(report, "    Primal Solution = 7.000\n"));
}

TEST(ReportBuilderTest, LineBuilders) {
    VantrellState state;
    state.mPrimal =
        MakeProblem({-3, 5}, {{{3, 2}, ">=", 18, "Plant3"}, {{-0.0004, -0.0}, "=", -1, "Tiny"}});
    state.mDual = MakeProblem({1}, {{{2}, "<=", 7, ""}});
    state.mDual.constraints[0].relationText = ">=";  // the text is printed, not the code

    EXPECT_EQ(ReportObjectiveText(state), " - 3.000 X1  + 5.000 X2 ");
    EXPECT_EQ(ReportPrimalConstraintText(state, 0), " + 3.000 X1  + 2.000 X2 >= 18.000");
    EXPECT_EQ(ReportPrimalConstraintText(state, 1), " - 0.000 X1  + 0.000 X2 = -1.000");
    EXPECT_EQ(ReportPrimalConstraintText(state, 2), "");
    EXPECT_EQ(ReportDualConstraintText(state, 0), " + 2.000 X1 >= 7.000");
    EXPECT_EQ(ReportDualConstraintText(state, 1), "");
}

}  // namespace
}  // namespace vantrell

#include "export/report_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "support/problem_builders.h"

namespace vantrell {
namespace {

using testing::MakeProblem;

const ReportClock kFifthOfDecember{12, 5, 2026, 9, 7};

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// max 3 X1 subject to X1 <= 4, solved in two pages, and its dual min 4 Y1 subject to
// Y1 >= 3, solved in two pages. The cells are typed in, not produced by the engine.
VantrellState SolvedState() {
    VantrellState state;
    state.mFileName = "/data/plant.lp";
    state.mProblemName = "Plant";
    state.mPrimal = MakeProblem({3}, {{{1}, "<=", 4, "Capacity"}});
    state.mDual = MakeProblem({4}, {{{1}, ">=", 3, ""}});
    state.mDual.objective[0].name = "Y1";
    state.mDual.constraints[0].columnNames[0] = "Y1";
    state.mSolved = true;

    TableauPage& p1 = state.mPrimalPages[0];
    p1.mRows = {{"", "Cj", "3.000"},
                {"Cb", "Basis", "X1", "Bi", "Bi/Aij"},
                {"0.000", "S1", "1.000", "4.000", "4.000"},
                {"", "Zj", "0.000"},
                {"", "Cj-Zj", "3.000", "0.000"}};
    p1.mLeaving = "S1";
    p1.mEntering = "X1";
    p1.mPivotValue = 1.0;
    TableauPage& p2 = state.mPrimalPages[1];
    p2.mRows = {{"", "Cj", "3.000"},
                {"Cb", "Basis", "X1", "Bi", "Bi/Aij"},
                {"3.000", "X1", "1.000", "4.000", "-"},
                {"", "Zj", "3.000"},
                {"", "Cj-Zj", "0.000", "12.000"}};
    p2.mZ = 12.0;
    state.mPrimalTableauCount = 2;
    state.mPrimalBasis = {CostTerm{0, "X1"}};
    state.mPrimalValues = {4.0};
    state.mPrimalOutcome = RunOutcome::Optimal;

    TableauPage& d1 = state.mDualPages[0];
    d1.mRows = {{"", "Cj", "-4.000"},
                {"Cb", "Basis", "Y1", "Bi", "Bi/Aij"},
                {"-M", "a1", "1.000", "3.000", "3.000"}};
    d1.mLeaving = "a1";
    d1.mEntering = "Y1";
    d1.mPivotValue = 0.5;
    TableauPage& d2 = state.mDualPages[1];
    d2.mRows = {{"", "Cj", "-4.000"},
                {"Cb", "Basis", "Y1", "Bi", "Bi/Aij"},
                {"-4.000", "Y1", "1.000", "3.000", "-"}};
    d2.mZ = -12.0;
    state.mDualTableauCount = 2;
    state.mDualBasis = {CostTerm{0, "Y1"}};
    state.mDualValues = {3.0};
    state.mDualOutcome = RunOutcome::Optimal;
    return state;
}

const char* const kPrimalSection =
    "Objective Function: Z =  + 3.000 X1 \n\n"
    "\nPrimal Constraints:\n"
    "     + 1.000 X1 <= 4.000\n"
    "\n\nPrimal Tableau #1\n"
    "\n         Cj 3.000 "
    "\n   Cb Basis    X1    Bi Bi/Aij "
    "\n0.000    S1 1.000 4.000  4.000 "
    "\n         Zj 0.000 "
    "\n      Cj-Zj 3.000 0.000 "
    "\n\nS1: Leaves, X1 Enters, PivotValue = 1.000000\n"
    "\n\nPrimal Tableau #2\n"
    "\n         Cj 3.000 "
    "\n   Cb Basis    X1     Bi Bi/Aij "
    "\n3.000    X1 1.000  4.000      - "
    "\n         Zj 3.000 "
    "\n      Cj-Zj 0.000 12.000 "
    "\n\n: Leaves,  Enters, PivotValue = 0.000000\n"
    "\n\nComplete Primal Solution:\n"
    "    X1 = 4.000\n"
    "    Primal Solution = 12.000\n"
    "    Other Variables: 0.0\n";

TEST(ReportBuilderTest, WholeReport) {
    const std::string expected = std::string(
                                     "Date: 12/ 5/2026,    Time:  9: 7\n\n"
                                     "Filename: /data/plant.lp\n\n"
                                     "Plant\n\n") +
                                 kPrimalSection +
                                 "\n\n\nDual Constraints:\n"
                                 "     + 1.000 Y1 >= 3.000\n"
                                 "\n\nDual Tableau #1\n"
                                 "\n      Cj -4.000 "
                                 "\nCb Basis     Y1    Bi Bi/Aij "
                                 "\n-M    a1  1.000 3.000  3.000 "
                                 "\n\na1: Leaves, Y1 Enters, PivotValue = 0.500000\n"
                                 "\n\nDual Tableau #2\n"
                                 "\n          Cj -4.000 "
                                 "\n    Cb Basis     Y1    Bi Bi/Aij "
                                 "\n-4.000    Y1  1.000 3.000      - "
                                 "\n\n: Leaves,  Enters, PivotValue = 0.000000\n"
                                 "\n\nComplete Dual Solution:\n"
                                 "    Y1 = 3.000\n"
                                 "    Dual Solution = -12.000\n"
                                 "    Other Dual Variables: 0.0\n";
    EXPECT_EQ(BuildReport(SolvedState(), kFifthOfDecember), expected);
}

TEST(ReportBuilderTest, HeaderPadsWithBlanksAndLeavesOutAnEmptyFileName) {
    VantrellState state = SolvedState();
    state.mFileName.clear();
    state.mProblemName.clear();
    const std::string report = BuildReport(state, {1, 2, 2027, 23, 0});
    EXPECT_EQ(report.rfind("Date:  1/ 2/2027,    Time: 23: 0\n\n\n\nObjective Function:", 0), 0u)
        << report.substr(0, 80);
    EXPECT_EQ(report.find("Filename"), std::string::npos);
}

TEST(ReportBuilderTest, DualSectionOnlyWithTheDisplayOn) {
    VantrellState state = SolvedState();
    state.mDisplayDuality = false;
    const std::string report = BuildReport(state, kFifthOfDecember);
    EXPECT_TRUE(EndsWith(report, kPrimalSection)) << report;
    EXPECT_EQ(report.find("Dual"), std::string::npos);
}

TEST(ReportBuilderTest, RunWithoutOptimumPrintsItsOutcomeInPlaceOfTheSolution) {
    for (const RunOutcome outcome :
         {RunOutcome::Infeasible, RunOutcome::Unbounded, RunOutcome::PageLimit}) {
        SCOPED_TRACE(ToString(outcome));
        const std::string line = "    " + OutcomeSolutionText(outcome) + "\n";
        ASSERT_GT(line.size(), 5u);

        VantrellState primal = SolvedState();
        primal.mPrimalOutcome = outcome;
        const std::string primalReport = BuildReport(primal, kFifthOfDecember);
        EXPECT_NE(primalReport.find("    X1 = 4.000\n" + line + "\n\n\nDual Constraints:\n"),
                  std::string::npos)
            << primalReport;
        EXPECT_EQ(primalReport.find("Primal Solution ="), std::string::npos);
        EXPECT_EQ(primalReport.find("Other Variables"), std::string::npos);

        VantrellState dual = SolvedState();
        dual.mDualOutcome = outcome;
        const std::string dualReport = BuildReport(dual, kFifthOfDecember);
        EXPECT_TRUE(EndsWith(dualReport, "Complete Dual Solution:\n    Y1 = 3.000\n" + line))
            << dualReport;
        EXPECT_NE(dualReport.find("    Primal Solution = 12.000\n"), std::string::npos);
    }
}

TEST(ReportBuilderTest, NoKeptRunLeavesTheSolutionValueEmpty) {
    struct Case {
        const char* name;
        RunOutcome outcome;
        std::int32_t count;
    };
    const Case cases[] = {
        {"not run, no pages", RunOutcome::NotRun, 0},
        {"optimal without pages", RunOutcome::Optimal, 0},
        {"pages without a run", RunOutcome::NotRun, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VantrellState state = SolvedState();
        state.mPrimalOutcome = c.outcome;
        state.mPrimalTableauCount = c.count;
        state.mDualOutcome = c.outcome;
        state.mDualTableauCount = c.count;
        const std::string report = BuildReport(state, kFifthOfDecember);
        EXPECT_NE(report.find("    X1 = 4.000\n"
                              "    Primal Solution = \n"
                              "    Other Variables: 0.0\n"),
                  std::string::npos)
            << report;
        EXPECT_TRUE(EndsWith(report,
                             "    Y1 = 3.000\n"
                             "    Dual Solution = \n"
                             "    Other Dual Variables: 0.0\n"))
            << report;
    }
}

TEST(ReportBuilderTest, BasisLinesStopAtTheShorterOfNamesAndValues) {
    VantrellState state = SolvedState();
    state.mPrimalBasis = {CostTerm{0, "X1"}, CostTerm{-1000, "S1"}, CostTerm{1, "X2"}};
    state.mPrimalValues = {4.0};
    state.mDualBasis = {};
    state.mDualValues = {3.0, 1.0};
    const std::string report = BuildReport(state, kFifthOfDecember);
    EXPECT_NE(report.find("Complete Primal Solution:\n    X1 = 4.000\n    Primal Solution ="),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Complete Dual Solution:\n    Dual Solution ="), std::string::npos)
        << report;
}

TEST(ReportBuilderTest, PageCountIsBoundedByTheStore) {
    VantrellState state = SolvedState();
    state.mDisplayDuality = false;
    state.mPrimalTableauCount = kTableauPages + 5;
    state.mPrimalPages[kTableauPages - 1].mZ = 7.0;
    const std::string report = BuildReport(state, kFifthOfDecember);
    EXPECT_NE(report.find("Primal Tableau #30\n"), std::string::npos);
    EXPECT_EQ(report.find("Primal Tableau #31"), std::string::npos);
    EXPECT_NE(report.find("    Primal Solution = 7.000\n"), std::string::npos);

    state.mPrimalTableauCount = -1;
    const std::string none = BuildReport(state, kFifthOfDecember);
    EXPECT_EQ(none.find("Primal Tableau"), std::string::npos);
    EXPECT_NE(none.find("    Primal Solution = \n"), std::string::npos);
}

// Pages that the engine never makes: no constraint rows, or a line wider than the third.
TEST(ReportBuilderTest, IrregularPagesAlignOverTheirWidestLine) {
    VantrellState state = SolvedState();
    state.mDisplayDuality = false;
    state.mPrimalPages[0].mRows = {{"", "Cj", "3.000"}, {"Cb", "Basis", "X1", "Bi", "Bi/Aij"}};
    state.mPrimalPages[1].mRows = {{"a"}, {"b"}, {"c"}, {"dd", "eee"}};
    const std::string report = BuildReport(state, kFifthOfDecember);
    EXPECT_NE(report.find("Primal Tableau #1\n\n      Cj 3.000 \nCb Basis    X1 Bi Bi/Aij \n\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("Primal Tableau #2\n\n a \n b \n c \ndd eee \n\n"), std::string::npos)
        << report;
}

TEST(ReportBuilderTest, PivotValueIgnoresTheDecimalCount) {
    VantrellState state = SolvedState();
    state.mDecimalPlaces = 0;
    state.mPrimalPages[0].mPivotValue = 1234.56789;
    const std::string report = BuildReport(state, kFifthOfDecember);
    EXPECT_NE(report.find("S1: Leaves, X1 Enters, PivotValue = 1234.567890\n"), std::string::npos);
    EXPECT_NE(report.find("    Primal Solution = 12\n"), std::string::npos);
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

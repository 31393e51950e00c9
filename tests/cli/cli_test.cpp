// SPDX-License-Identifier: GPL-3.0-or-later
// The batch front end, driven in-process as a teacher would from a shell.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_run.h"
#include "plot/simplex_path.h"
#include "support/temp_dir.h"

namespace vantrell::cli {
namespace {

using testing::CliRun;
using testing::Example;
using testing::RunVantrellCli;

// The whole report of both runs of the textbook maximization, checked by hand once: four
// dual tableaus ending at S2 = 1, Y1 = 3 and -12, the negated primal optimum.
TEST(CliReport, WholeReportOfTheMaximizationExample) {
    const std::string file = Example("maximize.lp");
    std::string expected =
        testing::ReadWholeFile(std::string(VANTRELL_TESTS_DIR) + "/cli/expected/maximize.out");
    expected.replace(expected.find("@FILE@"), 6, file);
    const CliRun run = RunVantrellCli({"report", file});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, expected);
}

TEST(CliReport, WritesTheReportWithCrLfWhenAskedTo) {
    testing::TempDir dir;
    const std::string target = dir.File("answer.out");
    testing::WriteWholeFile(target, std::string(100000, '~'));
    const CliRun run = RunVantrellCli({"report", Example("minimize.lp"), "-o", target});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string written = testing::ReadWholeFile(target);
    EXPECT_EQ(written.find('~'), std::string::npos);
    EXPECT_NE(written.find("    Primal Solution = -9.000\r\n"), std::string::npos);
    EXPECT_NE(written.find("    Dual Solution = 9.000\r\n"), std::string::npos);
    EXPECT_EQ(written.find("\n\n"), std::string::npos);  // every line end is CR LF
}

TEST(CliReport, UnwritableWorkbookSaysWhyButTheReportIsWritten) {
    testing::TempDir dir;
    const std::string workbook = dir.File("missing/t.xlsx");
    const CliRun run = RunVantrellCli(
        {"report", Example("maximize.lp"), "-o", dir.File("a.out"), "--xlsx", workbook});
    EXPECT_EQ(run.status, kExitCannotWrite);
    EXPECT_EQ(run.err, "Cannot write \"" + workbook + "\": No such file or directory\n");
    EXPECT_NE(testing::ReadWholeFile(dir.File("a.out")).find("Dual Tableau #4"), std::string::npos);
}

TEST(CliReport, RefusedWhenNoRunReachesASolution) {
    testing::TempDir dir;
    const std::string file = dir.File("one.lp");
    testing::WriteWholeFile(file, "One# Problem Name\n3 #d\n0 #m\n\n1.000X1 #object function\n");
    const CliRun run = RunVantrellCli({"report", file});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "The objective function is empty\nThe objective function is empty\n"
              "The Problem must be solved first\n");
}

TEST(CliPages, PrintsEveryPageThenTheSolution) {
    const CliRun run = RunVantrellCli({"pages", Example("maximize.lp"), "--decimals", "0"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out,
              "      Cj  3  2  0  0 \n"
              "Cb Basis X1 X2 S1 S2 Bi Bi/Aij \n"
              " 0    S1  1  1  1  0  4      4 \n"
              " 0    S2  1  3  0  1  6      6 \n"
              "      Zj  0  0  0  0 \n"
              "   Cj-Zj  3  2  0  0  0 \n"
              "\n"
              "      Cj  3  2  0  0 \n"
              "Cb Basis X1 X2 S1 S2 Bi Bi/Aij \n"
              " 3    X1  1  1  1  0  4      4 \n"
              " 0    S2  0  2 -1  1  2      6 \n"
              "      Zj  3  3  3  0 \n"
              "   Cj-Zj  0 -1 -3  0 12 \n"
              "\n"
              "X1 = 4\nS2 = 2\nSolution = 12\nOther Variables: 0.0\n");
    const CliRun dual = RunVantrellCli({"pages", "--dual", Example("minimize.lp")});
    EXPECT_NE(dual.out.find("\nY1 = 3.000\nY2 = 1.000\nSolution = 9.000\n"), std::string::npos);
}

TEST(CliUsage, BadArgumentsAndUnreadableFiles) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* errContains;
    };
    const std::vector<Case> cases = {
        {{}, kExitUsageOrUnreadable, "Usage:"},
        {{"simplify", "x.lp"}, kExitUsageOrUnreadable, "unknown command"},
        {{"report"}, kExitUsageOrUnreadable, "a problem file is needed"},
        {{"report", "a.lp", "b.lp"}, kExitUsageOrUnreadable, "only one problem file"},
        {{"pages", "a.lp", "-o", "x"}, kExitUsageOrUnreadable, "unknown option"},
        {{"report", "a.lp", "--xlsx"}, kExitUsageOrUnreadable, "--xlsx needs a file name"},
        {{"report", "a.lp", "--decimals", "two"}, kExitUsageOrUnreadable, "--decimals"},
        {{"report", "/nonexistent/a.lp"}, kExitUsageOrUnreadable, "Cannot open LP file"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunVantrellCli(c.args);
        EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.args);
        EXPECT_NE(run.err.find(c.errContains), std::string::npos) << run.err;
    }
    const CliRun help = RunVantrellCli({"--help"});
    EXPECT_EQ(help.status, kExitSuccess);
    EXPECT_NE(help.out.find("vantrell-cli report FILE.lp"), std::string::npos);
    const CliRun version = RunVantrellCli({"--version"});
    EXPECT_EQ(version.status, kExitSuccess);
    EXPECT_EQ(version.out,
              "vantrell-cli 1.0\n"
              "Copyright (C) 2026 the Vantrell developers\n"
              "Free software under the GNU GPL version 3 or later, with no warranty.\n");
}

TEST(CliPlot, ListsTheCornersAndWhereTheSweepStopsOrWhyItCannotRun) {
    // Saved with 2 decimals, so its zeros read back as "0.00" without a zero marker; its
    // third plant is ">= 18", which leaves three corners.
    const CliRun run = RunVantrellCli({"plot", Example("sample.lp")});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Sample\n"
              "X1: 4.00, X2: 6.00, Z: 42.00\n"
              "X1: 4.00, X2: 3.00, Z: 27.00\n"
              "X1: 2.00, X2: 6.00, Z: 36.00\n"
              "Extent: 13.50\n"
              "Slope: -0.60\n"
              "Stops at line 0: X1: 4.00, X2: 6.00, Z: 42.00 after 38 steps\n");

    testing::TempDir dir;
    const std::string file = dir.File("none.lp");
    testing::WriteWholeFile(file,
                            "None# Problem Name\n3 #d\n0 #m\n\n3.000X1 + 5.000X2 #object function\n"
                            "\nC1#constraint name\n1.000X1 + 1.000X2 <= 4.000\n"
                            "\nC2#constraint name\n1.000X1 + 1.000X2 >= 6.000\n");
    const CliRun none = RunVantrellCli({"plot", file});
    EXPECT_EQ(none.status, kExitSuccess);
    EXPECT_EQ(none.out,
              "None\nExtent: 9.000\nSlope: -0.600\n"
              "No sweep: There are no feasible points. This is bad!\n");
}

TEST(CliPlot, PathPrintsOnePointPerPageOrWhyThereIsNone) {
    const CliRun run = RunVantrellCli({"plot", Example("sample.lp"), "--path"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out,
              "Page 1: (0, 0) outside; X1 enters, S1 leaves\n"
              "Page 2: (4, 0) outside; X2 enters, a3 leaves\n"
              "Page 3: (4, 3) feasible; S1 enters, S2 leaves\n"
              "Page 4: (2, 6) feasible; S3 enters, S1 leaves\n"
              "Page 5: (4, 6) feasible; optimal\n");

    const CliRun three = RunVantrellCli({"plot", Example("equality.lp"), "--path"});
    EXPECT_EQ(three.status, kExitRefused);
    EXPECT_NE(three.err.find(kPathNeedsTwoVariablesText), std::string::npos);
    EXPECT_EQ(RunVantrellCli({"plot", Example("sample.lp"), "--dual"}).status,
              kExitUsageOrUnreadable);
}

}  // namespace
}  // namespace vantrell::cli

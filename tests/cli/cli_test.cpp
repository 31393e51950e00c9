// SPDX-License-Identifier: GPL-3.0-or-later
// The batch front end, driven in-process as a teacher would from a shell; exact answers
// in the JSON document and in fractions and M expressions.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
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

// A workbook that cannot be written fails the run but not the report (how the report file
// is replaced is the file writer's, pinned with it).
TEST(CliReport, WritesTheReportAndSaysWhyTheWorkbookIsNot) {
    testing::TempDir dir;
    const std::string target = dir.File("answer.out");
    const std::string workbook = dir.File("missing/t.xlsx");
    const CliRun run =
        RunVantrellCli({"report", Example("minimize.lp"), "-o", target, "--xlsx", workbook});
    EXPECT_EQ(run.status, kExitCannotWrite);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Cannot write \"" + workbook + "\": No such file or directory\n");
    EXPECT_NE(testing::ReadWholeFile(target).find("    Dual Solution = 9.000\r\n"),
              std::string::npos);
}

TEST(CliPages, PrintsEveryPageThenTheSolution) {
    const CliRun run = RunVantrellCli({"pages", Example("maximize.lp"), "--decimals", "0"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    // Widths follow the widest cell of each column, at the decimals asked for.
    EXPECT_EQ(run.out.rfind("      Cj  3  2  0  0 \nCb Basis X1 X2 S1 S2 Bi Bi/Aij \n", 0), 0u);
    EXPECT_NE(run.out.find(" 0    S2  0  2 -1  1  2      6 \n      Zj  3  3  3  0 \n"
                           "   Cj-Zj  0 -1 -3  0 12 \n\n"
                           "X1 = 4\nS2 = 2\nSolution = 12\nOther Variables: 0.0\n"),
              std::string::npos);
    const CliRun dual = RunVantrellCli({"pages", "--dual", Example("minimize.lp")});
    EXPECT_NE(dual.out.find("\nY1 = 3.000\nY2 = 1.000\nSolution = 9.000\n"), std::string::npos);
}

TEST(CliUsage, BadArgumentsAndUnreadableFiles) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "Usage:"},
        {{"simplify", "x.lp"}, "unknown command"},
        {{"report"}, "a problem file is needed"},
        {{"report", "a.lp", "b.lp"}, "only one problem file"},
        {{"pages", "a.lp", "-o", "x"}, "unknown option"},
        {{"report", "a.lp", "--xlsx"}, "--xlsx needs a file name"},
        {{"report", "a.lp", "--decimals", "two"}, "--decimals"},
        {{"report", "x.lp", "--numbers", "halves"}, "--numbers needs"},
        {{"pages", "x.lp", "--big-m"}, "--big-m needs pairs or"},
        {{"solve", "x.lp"}, "solve needs --json"},
        {{"report", "x.lp", "--json"}, "unknown option \"--json\""},
        {{"report", "x.lp", "--rule", "dantzig"}, "--rule needs largest or bland"},
        {{"pages", "x.lp", "--explain"}, "unknown option \"--explain\""},
        {{"pages", "x.lp", "--decimals", "11"}, "--decimals needs a whole number from 0 to 10"},
        {{"convert", "a", "b", "c", "--from", "cplex", "--to", "mps"}, "convert needs IN OUT"},
        {{"convert", "a", "-x", "--from", "cplex", "--to", "mps"}, "unknown option \"-x\""},
        {{"convert", "missing.mps", "b", "--from", "mps", "--to", "cplex"},
         "Cannot import \"missing.mps\": "},
    };
    for (const auto& [args, errContains] : cases) {
        const CliRun run = RunVantrellCli(args);
        EXPECT_EQ(run.status, kExitUsageOrUnreadable) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find(errContains), std::string::npos) << run.err;
    }
    EXPECT_NE(RunVantrellCli({"--help"}).out.find("vantrell-cli report FILE.lp"),
              std::string::npos);
    EXPECT_EQ(RunVantrellCli({"--version"}).out.rfind("vantrell-cli 1.0\n", 0), 0u);
}

TEST(CliPlot, ListsTheCornersAndWhereTheSweepStops) {
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
}

nlohmann::json SolveJson(const std::string& example) {
    const CliRun run = RunVantrellCli({"solve", Example(example), "--json"});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    return nlohmann::json::parse(run.out);
}

TEST(CliSolveJson, ReadsBackEveryKeyOfTheMinimization) {
    const nlohmann::json doc = SolveJson("minimize.lp");
    EXPECT_EQ(doc["problem"]["sense"], "min");
    EXPECT_EQ(doc["problem"]["constraints"][0]["relation"], ">=");
    const nlohmann::json& primal = doc["primal"];
    EXPECT_EQ(primal["outcome"], "optimal");
    EXPECT_EQ(primal["objective"], "9");
    EXPECT_EQ(primal["variables"], (nlohmann::json{{"X1", "3"}, {"X2", "1"}}));
    ASSERT_EQ(primal["pages"].size(), 3u);
    const nlohmann::json& first = primal["pages"][0];
    EXPECT_EQ(first["basis"], (nlohmann::json{"a1", "S2"}));
    EXPECT_EQ(first["entering"], "X1");
    EXPECT_EQ(first["leaving"], "S2");
    EXPECT_EQ(first["pivot"], "1");
    EXPECT_EQ(first["cj_zj"][0], (nlohmann::json{{"m", "1"}, {"c", "-2"}}));
    EXPECT_EQ(first["rows"][0], (nlohmann::json{"1", "1", "-1", "1", "0"}));
    EXPECT_EQ(first["bi"], (nlohmann::json{"4", "3"}));
    EXPECT_EQ(first["ratios"], (nlohmann::json{"4", "3"}));
    const nlohmann::json& last = primal["pages"][2];
    EXPECT_TRUE(last["entering"].is_null() && last["leaving"].is_null() && last["pivot"].is_null());
    EXPECT_EQ(last["ratios"], (nlohmann::json{nullptr, nullptr}));
    // Strong duality: the dual's optimum as stated is the same exact string.
    EXPECT_EQ(doc["dual"]["objective"], "9");
    // The decimal run beside the exact one: the minimum as stated, and the two agree.
    EXPECT_EQ(primal["decimal_outcome"], "optimal");
    EXPECT_EQ(primal["decimal_objective"], 9.0);
    EXPECT_EQ(primal["agree"], true);
    EXPECT_EQ(primal["certified"], true);
}

TEST(CliSolveJson, RunsWithoutAnOptimumGiveTheirOutcomeAndMessage) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"unbounded.lp", "unbounded",
         "The problem is unbounded: X2 can grow without limit and Z with it."},
        {"infeasible.lp", "infeasible",
         "No Feasible Solution: an artificial variable is still positive"}};
    for (const auto& [example, outcome, message] : rows) {
        const nlohmann::json run = SolveJson(example)["primal"];
        EXPECT_EQ(run["outcome"], outcome);
        EXPECT_EQ(run["message"], message);
        EXPECT_TRUE(run["objective"].is_null() && run["variables"].empty()) << example;
    }
}

TEST(CliReport, FractionsAndExpressions) {
    const CliRun run = RunVantrellCli(
        {"report", Example("minimize.lp"), "--numbers", "fractions", "--big-m", "expressions"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    for (const char* line :
         {"Objective Function: Z =  + 2 X1  + 3 X2 \n", "   Cj-Zj M - 2 M - 3 -M  0  0 -4M \n",
          "S2: Leaves, X1 Enters, PivotValue = 1\n", "    Primal Solution = -9\n",
          "    Y1 = 3\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

// pages prints the run's own pages; a minimum is said once as stated, and an unbounded run
// ends with the tableau that decides it.
TEST(CliPages, MinimumLineAndDecidingPage) {
    const CliRun minimum = RunVantrellCli({"pages", Example("minimize.lp")});
    ASSERT_EQ(minimum.status, kExitSuccess) << minimum.err;
    EXPECT_TRUE(minimum.out.ends_with(
        "Solution = -9.000\nOther Variables: 0.0\nMinimum of Z = 9.000 (the tableaus maximize "
        "-Z)\n"));
    const CliRun maximum = RunVantrellCli({"pages", Example("maximize.lp")});
    EXPECT_EQ(maximum.out.find("Minimum of"), std::string::npos);

    const CliRun unbounded =
        RunVantrellCli({"pages", Example("unbounded.lp"), "--numbers", "fractions"});
    ASSERT_EQ(unbounded.status, kExitSuccess) << unbounded.err;
    EXPECT_NE(
        unbounded.out.find(" 1    X1  1 -1  1  0  1      - \n 0    S2  0  0  1  1  2      - \n"),
        std::string::npos)
        << unbounded.out;
    EXPECT_TRUE(unbounded.out.ends_with("Unbounded: no row limits the entering variable\n"));
}

TEST(CliPlot, PathPrintsOnePointPerPageOrWhyThereIsNone) {
    const CliRun run = RunVantrellCli({"plot", Example("sample.lp"), "--path"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    // The lines themselves are pinned with the path; here each page gets one.
    EXPECT_TRUE(run.out.starts_with("Page 1: (0, 0) outside; X1 enters, S1 leaves\n"));
    EXPECT_TRUE(run.out.ends_with("\nPage 5: (4, 6) feasible; optimal\n"));

    const CliRun three = RunVantrellCli({"plot", Example("equality.lp"), "--path"});
    EXPECT_EQ(three.status, kExitRefused);
    EXPECT_NE(three.err.find(kPathNeedsTwoVariablesText), std::string::npos);
    EXPECT_EQ(RunVantrellCli({"plot", Example("sample.lp"), "--dual"}).status,
              kExitUsageOrUnreadable);
}

TEST(CliExplain, NotesSpecialCasesAndSensitivityInTheReportAndTheJson) {
    const CliRun report =
        RunVantrellCli({"report", Example("maximize.lp"), "--explain", "--rule", "bland"});
    ASSERT_EQ(report.status, kExitSuccess) << report.err;
    for (const char* text :
         {"PivotValue = 1.000000\nStep: X1 enters: its Cj-Zj, 3.000, is positive and it is the "
          "leftmost such column (rule: Smallest index (Bland's rule)).",
          "    Other Variables: 0.0\n    Maximum of Z = 12.000\n\nSpecial Cases:\n    None\n\n"
          "Sensitivity:\n"
          "    Constraint  Shadow Price  RHS Low  RHS High\n    Machine     3.000         0.000    "
          "6.000\n"}) {
        EXPECT_NE(report.out.find(text), std::string::npos) << text;
    }
    const nlohmann::json primal = SolveJson("maximize.lp")["primal"];
    EXPECT_TRUE(primal["pages"][1]["note"].get<std::string>().starts_with("No Cj-Zj"));
    EXPECT_EQ(primal["special"], nlohmann::json::array());
    EXPECT_EQ(primal["sensitivity"]["shadow_prices"],
              (nlohmann::json{{"Machine", "3"}, {"Labour", "0"}}));
    EXPECT_EQ(primal["sensitivity"]["cost_ranges"]["X2"], (nlohmann::json{"-inf", "3"}));
    EXPECT_TRUE(SolveJson("unbounded.lp")["primal"]["sensitivity"].is_null());
}

// convert's answers: what it imported, and refusals that leave every file as it was.
TEST(CliConvert, SaysWhatItImportedAndWritesNothingItWasNotToldTo) {
    testing::TempDir dir;
    const std::string model = dir.File("m.lp");
    const std::string text = "Maximize\n z: 2 a + b\nSubject To\n c: a + b <= 4\nEnd\n";
    testing::WriteWholeFile(model, text);
    const CliRun imported = RunVantrellCli(
        {"convert", model, dir.File("m.vlp"), "--from", "cplex", "--to", "vantrell"});
    EXPECT_EQ(imported.status, kExitSuccess);
    EXPECT_EQ(imported.err, "Imported \"" + model +
                                "\" as a new problem. Its variables are now named as Vantrell "
                                "names them:\na -> X1\nb -> X2\n");
    struct Case {
        const char* name;
        std::string output;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"over its input", model, kExitCannotWrite,
         "Cannot write \"" + model + "\": it is the problem file\n"},
        {"into a missing folder", dir.File("no/m.mps"), kExitCannotWrite,
         "Cannot write \"" + dir.File("no/m.mps") + "\": No such file or directory\n"},
    };
    for (const Case& c : cases) {
        const CliRun run =
            RunVantrellCli({"convert", model, c.output, "--from", "cplex", "--to", "mps"});
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.err.substr(run.err.find('\n', run.err.rfind("b -> X2")) + 1), c.err)
            << c.name;
    }
    EXPECT_EQ(testing::ReadWholeFile(model), text);
}

}  // namespace
}  // namespace vantrell::cli

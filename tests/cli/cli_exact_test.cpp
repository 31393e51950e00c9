// SPDX-License-Identifier: GPL-3.0-or-later
// Exact answers from the batch front end: the JSON document read back, and the report
// in fractions and M expressions.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_run.h"

namespace vantrell::cli {
namespace {

using testing::CliRun;
using testing::Example;
using testing::RunVantrellCli;

nlohmann::json SolveJson(const std::string& example) {
    const CliRun run = RunVantrellCli({"solve", Example(example), "--json"});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    return nlohmann::json::parse(run.out);
}

TEST(CliSolveJson, ReadsBackEveryKeyOfTheMinimization) {
    const nlohmann::json doc = SolveJson("minimize.lp");
    EXPECT_EQ(doc["problem"]["name"], "Diet");
    EXPECT_EQ(doc["problem"]["sense"], "min");
    EXPECT_EQ(doc["problem"]["objective"]["X2"], "3");
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
    EXPECT_EQ(first["cj"][3], (nlohmann::json{{"m", "-1"}, {"c", "0"}}));
    EXPECT_EQ(first["cj_zj"][0], (nlohmann::json{{"m", "1"}, {"c", "-2"}}));
    EXPECT_EQ(first["rows"][0], (nlohmann::json{"1", "1", "-1", "1", "0"}));
    EXPECT_EQ(first["bi"], (nlohmann::json{"4", "3"}));
    EXPECT_EQ(first["ratios"], (nlohmann::json{"4", "3"}));
    const nlohmann::json& last = primal["pages"][2];
    EXPECT_TRUE(last["entering"].is_null() && last["leaving"].is_null() && last["pivot"].is_null());
    EXPECT_EQ(last["ratios"], (nlohmann::json{nullptr, nullptr}));
    // Strong duality: the dual's optimum as stated is the same exact string.
    EXPECT_EQ(doc["dual"]["objective"], "9");
}

TEST(CliSolveJson, OutcomesAndMessagesOfRunsWithoutAnOptimum) {
    const struct {
        const char* name;
        const char* example;
        const char* run;
        const char* outcome;
        const char* message;
    } rows[] = {
        {"unbounded_primal", "unbounded.lp", "primal", "unbounded", "ERROR: mLeavingRow is -1"},
        {"infeasible_primal", "infeasible.lp", "primal", "infeasible",
         "No Feasible Solution: an artificial variable is still positive"},
    };
    for (const auto& row : rows) {
        const nlohmann::json run = SolveJson(row.example)[row.run];
        EXPECT_EQ(run["outcome"], row.outcome) << row.name;
        EXPECT_EQ(run["message"], row.message) << row.name;
        EXPECT_TRUE(run["objective"].is_null()) << row.name;
        EXPECT_TRUE(run["variables"].empty()) << row.name;
    }
}

TEST(CliReport, FractionsAndExpressions) {
    const CliRun run = RunVantrellCli(
        {"report", Example("minimize.lp"), "--numbers", "fractions", "--big-m", "expressions"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    for (const char* line :
         {"Objective Function: Z =  + 2 X1  + 3 X2 \n", "   Cj-Zj M - 2 M - 3 -M  0  0  0 \n",
          "S2: Leaves, X1 Enters, PivotValue = 1\n", "    Primal Solution = -9\n",
          "    Y1 = 3\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

TEST(CliExplain, NotesSpecialCasesAndSensitivityInTheReportAndTheJson) {
    const CliRun report =
        RunVantrellCli({"report", Example("maximize.lp"), "--explain", "--rule", "bland"});
    ASSERT_EQ(report.status, kExitSuccess) << report.err;
    for (const char* text :
         {"PivotValue = 1.000000\nStep: X1 enters: its Cj-Zj, 3.000, is positive and it is the "
          "leftmost such column (rule: Smallest index (Bland's rule)).",
          "    Other Variables: 0.0\n\nSpecial Cases:\n    None\n\nSensitivity:\n"
          "    Constraint  Shadow Price  RHS Low  RHS High\n    Machine     3.000         0.000    "
          "6.000\n"}) {
        EXPECT_NE(report.out.find(text), std::string::npos) << text;
    }
    const nlohmann::json primal = SolveJson("maximize.lp")["primal"];
    EXPECT_EQ(primal["pages"][1]["note"],
              "No Cj-Zj is positive: no column can improve Z, so this tableau is optimal with "
              "Z = 12.000.");
    EXPECT_EQ(primal["special"], nlohmann::json::array());
    EXPECT_EQ(primal["sensitivity"]["shadow_prices"],
              (nlohmann::json{{"Machine", "3"}, {"Labour", "0"}}));
    EXPECT_EQ(primal["sensitivity"]["cost_ranges"]["X2"], (nlohmann::json{"-inf", "3"}));
    EXPECT_EQ(primal["sensitivity"]["rhs_ranges"]["Labour"], (nlohmann::json{"4", "inf"}));
    EXPECT_EQ(primal["sensitivity"]["reduced_costs"]["X2"], "-1");
    EXPECT_TRUE(SolveJson("unbounded.lp")["primal"]["sensitivity"].is_null());
}

TEST(CliExactOptions, RefusedArguments) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* error;
    } rows[] = {
        {"numbers_word", {"report", "x.lp", "--numbers", "halves"}, "--numbers needs fractions"},
        {"big_m_missing", {"pages", "x.lp", "--big-m"}, "--big-m needs pairs or expressions"},
        {"solve_without_json", {"solve", "x.lp"}, "solve needs --json"},
        {"json_on_report", {"report", "x.lp", "--json"}, "unknown option \"--json\""},
        {"rule_word", {"report", "x.lp", "--rule", "dantzig"}, "--rule needs largest or bland"},
        {"explain_on_pages", {"pages", "x.lp", "--explain"}, "unknown option \"--explain\""},
    };
    for (const auto& row : rows) {
        const CliRun run = RunVantrellCli(row.args);
        EXPECT_EQ(run.status, kExitUsageOrUnreadable) << row.name;
        EXPECT_NE(run.err.find(row.error), std::string::npos) << row.name << ": " << run.err;
    }
}

}  // namespace
}  // namespace vantrell::cli

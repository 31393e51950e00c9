// SPDX-License-Identifier: GPL-3.0-or-later
// whatif and the duality section as a teacher runs them from a shell: the changed final
// tableau's check, the pages to the new answer, and a clear message for every bad change.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_run.h"

namespace vantrell::cli {
namespace {

using testing::CliRun;
using testing::Example;
using testing::RunVantrellCli;

TEST(CliWhatIf, RightHandSideOutOfRangeGoesOnByTheDualSimplexMethod) {
    const CliRun run = RunVantrellCli(
        {"whatif", Example("maximize.lp"), "--rhs", "Machine=7", "--numbers", "fractions"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    for (const char* text :
         {"What if:\n    Machine: right-hand side 4 -> 7, outside its range [0, 6]\n"
          "    New Bi = B^-1 b: X1 = 7, S2 = -1\n",
          "\nStep: S2 leaves: its Bi, -1, is the most negative. S1 enters: |-3 / -1| = 3 is the "
          "smallest ratio over the negative entries of the row\n",
          "\nTableau #2\n", "\nMaximum of Z = 18\n    X1 = 6\n    X2 = 0\n"}) {
        EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
    }
}

TEST(CliWhatIf, JsonPrintsTheRunAsSolveDoes) {
    const CliRun run = RunVantrellCli({"whatif", Example("maximize.lp"), "--add-row",
                                       "R: 1X1 >= 3.5", "--cost", "X2=10", "--json"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["changes"][0], (nlohmann::json{{"add_row", "R"},
                                                 {"coefficients", {{"X1", "1"}}},
                                                 {"relation", ">="},
                                                 {"rhs", "7/2"}}));
    EXPECT_FALSE(doc["basis_stays"]);
    EXPECT_EQ(doc["run"]["objective"], "31/2");
    EXPECT_EQ(doc["run"]["variables"], (nlohmann::json{{"X1", "7/2"}, {"X2", "1/2"}}));
    EXPECT_TRUE(doc["run"]["certified"]);
    ASSERT_EQ(doc["run"]["pages"].size(), 2U);
    EXPECT_EQ(doc["run"]["pages"][0]["entering"], "X2");
    EXPECT_TRUE(doc["run"]["pages"][1]["note"].get<std::string>().starts_with("No Cj-Zj"));
}

// The parser's own messages are pinned with WhatIfLines; here what the command adds: the
// flag named in the message, and its exit statuses.
TEST(CliWhatIf, BadChangesAreNamed) {
    const std::string file = Example("maximize.lp");
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* err;
    } rows[] = {
        {"NoChange", {"whatif", file}, kExitUsageOrUnreadable, "whatif needs a change"},
        {"NoValue", {"whatif", file, "--rhs"}, kExitUsageOrUnreadable, "--rhs needs a value"},
        {"NoEquals",
         {"whatif", file, "--rhs", "Machine"},
         kExitUsageOrUnreadable,
         "--rhs needs NAME=VALUE, as in C1=20, not \"Machine\""},
        {"NoName",
         {"whatif", file, "--cost", "=3"},
         kExitUsageOrUnreadable,
         "--cost needs VAR=VALUE, as in X1=4, not \"=3\""},
        {"RowRelation",
         {"whatif", file, "--add-row", "R: 1X1 => 3"},
         kExitUsageOrUnreadable,
         "--add-row R: \"=>\" is not <= or >="},
        {"RowRhs",
         {"whatif", file, "--add-row", "R: 1X1 <= x"},
         kExitUsageOrUnreadable,
         "--add-row R: \"x\" is not a number"},
        {"RowWithoutRelation",
         {"whatif", file, "--add-row", "R: 1X1"},
         kExitUsageOrUnreadable,
         "needs its terms, a relation and a right-hand side"},
        {"NoOptimum",
         {"whatif", Example("unbounded.lp"), "--rhs", "C1=3"},
         kExitRefused,
         "The problem has no optimal final tableau to change"},
    };
    for (const auto& row : rows) {
        const CliRun run = RunVantrellCli(row.args);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_NE(run.err.find(row.err), std::string::npos) << row.name << ": " << run.err;
        EXPECT_EQ(run.out, "") << row.name;
    }
}

TEST(CliDuality, ReportAndJsonShowTheDualInTheFinalTableau) {
    const CliRun report = RunVantrellCli({"report", Example("minimize.lp"), "--explain"});
    ASSERT_EQ(report.status, kExitSuccess) << report.err;
    EXPECT_NE(report.out.find("\nDuality:\n    The dual values, read off the final tableau:\n"
                              "      Y1 = 3.000  (Demand: minus the Zj of S1)\n"),
              std::string::npos);
    const CliRun solve = RunVantrellCli({"solve", Example("maximize.lp"), "--json"});
    const auto doc = nlohmann::json::parse(solve.out);
    const auto& duality = doc["primal"]["duality"];
    EXPECT_EQ(
        duality["values"]["Machine"],
        (nlohmann::json{{"name", "Y1"}, {"value", "3"}, {"column", "S1"}, {"negated", false}}));
    EXPECT_EQ(duality["w"], "12");
    EXPECT_EQ(duality["dual_run_optimum"], "12");
    EXPECT_FALSE(doc["dual"].contains("duality"));
}

}  // namespace
}  // namespace vantrell::cli

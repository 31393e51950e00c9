// SPDX-License-Identifier: GPL-3.0-or-later
// --method through the batch commands: the pages say their phase, the document names the
// method, practice goes through both phases, and a refused method is a refused run.
#include <gtest/gtest.h>

#include <sstream>

#include "cli_run.h"

namespace vantrell {
namespace {

using testing::Example;
using testing::RunVantrellCli;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliMethod, EveryCommandRunsTheChosenMethod) {
    const std::string blend = Example("equality.lp");
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::vector<const char*> parts;
    } rows[] = {
        {"PagesSayTheirPhase",
         {"pages", blend, "--method", "two-phase", "--numbers", "fractions"},
         cli::kExitSuccess,
         {"Tableau #1 (Phase I)\n", "(Phase II)\n", "Minimum of Z = "}},
        {"DocumentNamesMethodAndPhases",
         {"solve", blend, "--json", "--method", "two-phase"},
         cli::kExitSuccess,
         {"\"method\": \"two-phase\"", "\"phase\": 1", "\"phase\": 2", "\"phase_one_w\": \"0\""}},
        {"ExplainedReportHasBothPhases",
         {"report", blend, "--explain", "--method", "two-phase"},
         cli::kExitSuccess,
         {"Primal Tableau #1 (Phase I)",
          "Two-phase: Phase I maximizes -W, W = ", "Phase II: the artificial columns are dropped"}},
        {"HandoutHeadings",
         {"latex", blend, "--method", "two-phase"},
         cli::kExitSuccess,
         {"Tableau 1 (Phase I)}"}},
        {"DualSimplexMethod",
         {"pages", Example("minimize.lp"), "--method", "dual-simplex"},
         cli::kExitSuccess,
         {"X1 = 3.000\nX2 = 1.000\n", "Minimum of Z = 9.000"}},
        {"DualSimplexRefused",
         {"pages", Example("maximize.lp"), "--method", "dual-simplex"},
         cli::kExitRefused,
         {"The dual simplex method needs a first tableau with no positive Cj-Zj"}},
        {"UnknownMethod",
         {"pages", blend, "--method", "simplex"},
         cli::kExitUsageOrUnreadable,
         {"--method needs big-m, two-phase or dual-simplex"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const testing::CliRun run = RunVantrellCli(row.args);
        EXPECT_EQ(run.status, row.status) << run.err;
        for (const char* part : row.parts) {
            EXPECT_TRUE(Has(run.out + run.err, part)) << part << "\n" << run.out << run.err;
        }
    }
}

std::string Practise(const std::vector<std::string>& args, const std::string& answers) {
    std::istringstream in(answers);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::RunCli(args, in, out, err, ReportClock{12, 5, 2026, 9, 7}), cli::kExitSuccess);
    return out.str();
}

// Practice asks what the method decides, in its order: the two-phase blend problem through
// Phase I's verdict into Phase II; the dual simplex method the row first, then the column.
TEST(CliMethod, PracticeFollowsTheMethod) {
    const std::string phases =
        Practise({"practice", Example("equality.lp"), "--method", "two-phase"},
                 "show\nshow\nshow\nshow\nshow\nshow\nshow\nshow\nshow\nshow\nshow\n");
    for (const char* part : {"Tableau 1 (Phase I): which column enters?",
                             "Phase I is optimal with W = 0.000, so the problem is feasible",
                             "(Phase II): what does this tableau show?"}) {
        EXPECT_TRUE(Has(phases, part)) << part << "\n" << phases;
    }
    EXPECT_FALSE(Has(phases, "This practice is unfinished")) << phases;

    // The deciding tableau of an unbounded run is the exact run's, X1 basic after the pivot.
    const std::string unbounded = Practise(
        {"practice", Example("unbounded.lp"), "--method", "two-phase"}, "X1\nS1\nX2\nunbounded\n");
    EXPECT_TRUE(Has(unbounded, "    X1 1.000 -1.000  1.000 0.000 1.000")) << unbounded;
    EXPECT_TRUE(Has(unbounded, "Right: no row has a positive entry in the X2 column")) << unbounded;

    const std::string dual =
        Practise({"practice", Example("minimize.lp"), "--method", "dual-simplex"},
                 "S2\nS1\nX2\nX1\nS2\nX1\nX2\noptimal\n");
    for (const char* part :
         {"Tableau 1: which row leaves?\nS2's Bi is 3.000, not negative",
          "Right: S1 leaves: its Bi, -4.000, is the most negative",
          "Tableau 1: S1 leaves; which column enters?\nX2's ratio is 3.000, not the smallest",
          "X1 has no negative entry in S2's row",
          "Right: no Bi is negative and no Cj-Zj is positive", "Right at the first try: 2 of 5"}) {
        EXPECT_TRUE(Has(dual, part)) << part << "\n" << dual;
    }
}

}  // namespace
}  // namespace vantrell

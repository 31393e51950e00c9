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

// Phase I's pivots, its verdict and Phase II's pivot of the blend problem, all right.
TEST(CliMethod, PracticeGoesThroughBothPhases) {
    std::istringstream in("show\nshow\nshow\nshow\nshow\nshow\nshow\nshow\nshow\nshow\nshow\n");
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCli({"practice", Example("equality.lp"), "--method", "two-phase"},
                                   in, out, err, ReportClock{12, 5, 2026, 9, 7});
    EXPECT_EQ(status, cli::kExitSuccess);
    EXPECT_TRUE(Has(out.str(), "Tableau 1 (Phase I): which column enters?")) << out.str();
    EXPECT_TRUE(Has(out.str(), "Phase I is optimal with W = 0.000, so the problem is feasible"))
        << out.str();
    EXPECT_TRUE(Has(out.str(), "(Phase II): ")) << out.str();
    EXPECT_FALSE(Has(out.str(), "This practice is unfinished")) << out.str();
}

}  // namespace
}  // namespace vantrell

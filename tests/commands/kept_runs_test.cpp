// Kept runs belong to the problem they solved: once the problem changes, the report, Save
// Excel and Export show only runs of the problem now open.
#include <gtest/gtest.h>

#include <string>

#include "commands/calculate_commands.h"
#include "commands/export_commands.h"
#include "commands/objective_editing.h"
#include "simplex/dual_builder.h"
#include "simplex/solution_lines.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::MakeProblem;

constexpr const char* kDualStale = "\n    Dual: not solved for this problem\n";
constexpr const char* kPrimalStale = "\n    Primal: not solved for this problem\n";
const ReportClock kClock{1, 2, 2027, 3, 4};

void SetProblem(VantrellState& state, ProblemSet primal, bool minimize) {
    state.mPrimal = std::move(primal);
    state.mMinimize = minimize;
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(KeptRuns, AReportNeverMixesTwoProblems) {
    VantrellState state;
    testing::ScriptedPrompt prompt;
    SilentPresenter presenter;
    SetProblem(state, MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}), false);
    CalculateDual(state, prompt, presenter);

    // Another problem, only its primal solved: the old dual is not reported beside it.
    SetProblem(state, MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}), true);
    CalculatePrimal(state, prompt, presenter);
    std::string report = BuildReport(state, kClock);
    EXPECT_TRUE(Contains(report, "Primal Tableau #1"));
    EXPECT_TRUE(Contains(report, kDualStale));
    EXPECT_FALSE(Contains(report, "Dual Tableau #1"));
    EXPECT_FALSE(Contains(report, "Complete Dual Solution"));

    // Then its dual too: both sections are this problem's.
    CalculateDual(state, prompt, presenter);
    report = BuildReport(state, kClock);
    EXPECT_TRUE(Contains(report, "Dual Tableau #1"));
    EXPECT_FALSE(Contains(report, kDualStale));

    // An edit leaves both runs stale: no export, no workbook, both sections replaced.
    ASSERT_TRUE(AddObjectiveTerm(state.mPrimal, "X1", "5", prompt).done);
    report = BuildReport(state, kClock);
    EXPECT_TRUE(Contains(report, kPrimalStale));
    EXPECT_TRUE(Contains(report, kDualStale));
    ExportSolution(state, prompt, kClock);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{kNotSolvedMessage});
    EXPECT_TRUE(prompt.saveSpecs.empty());
}

// The list of a minimization says what the minimum is; the report does not change.
TEST(MinimumLine, OnlyAfterAMinimizationsPrimalOptimum) {
    struct Row {
        const char* name;
        bool minimize;
        bool dual;
        const char* expected;
    };
    const Row rows[] = {
        {"minimization", true, false, "Minimum of Z = 9.000 (the tableaus maximize -Z)"},
        {"its dual", true, true, ""},
        {"maximization", false, false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        VantrellState state;
        testing::ScriptedPrompt prompt;
        SilentPresenter presenter;
        SetProblem(state, MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}),
                   row.minimize);
        if (row.dual) {
            CalculateDual(state, prompt, presenter);
        } else {
            CalculatePrimal(state, prompt, presenter);
        }
        EXPECT_EQ(MinimumLine(state).value_or(""), row.expected);
    }
    EXPECT_STREQ(SenseText(true), "Minimize");
    EXPECT_STREQ(SenseText(false), "Maximize");
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/standard_form.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "simplex/dual_builder.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::MakeProblem;

std::vector<int> Ids(const std::vector<CostTerm>& terms) {
    std::vector<int> ids;
    for (const CostTerm& t : terms)
        ids.push_back(t.id);
    return ids;
}

std::vector<std::string> Names(const std::vector<CostTerm>& terms) {
    std::vector<std::string> names;
    for (const CostTerm& t : terms)
        names.push_back(t.name);
    return names;
}

TEST(StandardForm, SlackSurplusAndArtificialColumns) {
    VantrellState state;
    state.mPrimal = MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}});
    state.mMinimize = true;
    testing::ScriptedPrompt prompt;
    ASSERT_TRUE(BuildStandardForm(state, prompt));

    const auto& objective = state.mWork.objective;
    EXPECT_EQ(Names(objective), (std::vector<std::string>{"X1", "X2", "S1", "a1", "S2"}));
    EXPECT_EQ(Ids(objective), (std::vector<int>{0, 1, -2000, -3000, -1000}));
    EXPECT_EQ(objective[0].cost, -2.0);
    EXPECT_EQ(objective[1].cost, -3.0);
    EXPECT_TRUE(objective[3].hasM);
    EXPECT_EQ(objective[3].mCost, -1.0);
    EXPECT_EQ(state.mWork.constraints[0].coefficients, (std::vector<double>{1, 1, -1, 1, 0}));
    EXPECT_EQ(state.mWork.constraints[1].coefficients, (std::vector<double>{1, 0, 0, 0, 1}));
    EXPECT_EQ(Names(state.mBasis), (std::vector<std::string>{"a1", "S2"}));
    EXPECT_EQ(state.mSizeFields.n + state.mSizeFields.m + state.mSizeFields.nMinusM, "523");

    // A dual run does not negate the dual costs.
    RebuildDual(state.mPrimal, true, state.mDual);
    state.mSolvingDual = true;
    ASSERT_TRUE(BuildStandardForm(state, prompt));
    EXPECT_EQ(state.mWork.objective[0].cost, 4.0);
    EXPECT_EQ(state.mWork.objective[1].cost, -3.0);

    // An equality gets only an artificial, named by its row.
    state.mSolvingDual = false;
    state.mPrimal = MakeProblem({1, 1}, {{{1, 0}, "<=", 3}, {{1, 1}, "=", 4}, {{0, 1}, ">=", 1}});
    ASSERT_TRUE(BuildStandardForm(state, prompt));
    EXPECT_EQ(Names(state.mWork.objective),
              (std::vector<std::string>{"X1", "X2", "S1", "a2", "S3", "a3"}));
}

// The window can build what a file may not hold; both runs refuse it before any copy.
TEST(StandardForm, BothRunsRefuseAPrimalBeyondTheSizeLimits) {
    for (const bool dual : {false, true}) {
        VantrellState state;
        state.mPrimal = MakeProblem({1, 1}, std::vector<testing::RowSpec>(101, {{1, 1}, "<=", 1}));
        state.mSolvingDual = dual;
        testing::ScriptedPrompt prompt;
        EXPECT_FALSE(BuildStandardForm(state, prompt));
        EXPECT_EQ(prompt.messages,
                  std::vector<std::string>{"The problem has 2 variables and 101 constraints, more "
                                           "than the 100 variables and 100 constraints this "
                                           "program solves"});
    }
}

TEST(DualBuilder, SignsFollowTheSenseOfEachRow) {
    ProblemSet dual;
    RebuildDual(MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}), false, dual);
    EXPECT_EQ(dual.objective[0].cost, -4.0);
    EXPECT_EQ(dual.objective[1].cost, -6.0);
    ASSERT_EQ(dual.constraints.size(), 2u);
    EXPECT_EQ(dual.constraints[1].coefficients, (std::vector<double>{1, 3}));
    EXPECT_EQ(dual.constraints[1].relationText, ">=");
    EXPECT_EQ(dual.constraints[1].rhs, 2.0);
    EXPECT_EQ(dual.constraintNames, (std::vector<std::string>{"", ""}));

    RebuildDual(MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}), true, dual);
    EXPECT_EQ(dual.objective[0].cost, 4.0);
    EXPECT_EQ(dual.objective[1].cost, -3.0);
    EXPECT_EQ(dual.constraints[0].coefficients, (std::vector<double>{1, -1}));
    EXPECT_EQ(dual.constraints[0].relation, kLessEqual);
    EXPECT_TRUE(dual.constraints[1].zeroMarks[1]);
}

TEST(DualBuilder, EqualitySplitsIntoTwoInterleavedVariables) {
    ProblemSet dual;
    RebuildDual(MakeProblem({1, 1}, {{{1, 0}, "<=", 3}, {{1, 1}, "=", 4}, {{0, 1}, "<=", 2}}),
                false, dual);
    EXPECT_EQ(Names(dual.objective), (std::vector<std::string>{"Y1", "Y2", "Y4", "Y3"}));
    EXPECT_EQ(Ids(dual.objective), (std::vector<int>{0, 1, 3, 2}));
    EXPECT_EQ(dual.objective[1].cost, -4.0);
    EXPECT_EQ(dual.objective[2].cost, 4.0);
    EXPECT_EQ(dual.constraints[0].coefficients, (std::vector<double>{1, 1, -1, 0}));
    EXPECT_EQ(dual.constraints[0].columnNames, (std::vector<std::string>{"Y1", "Y2", "Y4", "Y3"}));
}

// Ids once counted down from 0, so Y1001, or the second variable of the 500th equality,
// took the slack id -1000 and its value was read from a slack's row.
TEST(DualBuilder, IdsNeverMeetThoseOfAddedColumnsAtAnySize) {
    std::vector<testing::RowSpec> rows;
    for (int i = 0; i < 1501; ++i) {
        rows.emplace_back(std::vector<double>{1, 1}, i % 2 == 0 ? "=" : "<=", 1);
    }
    ProblemSet dual;
    RebuildDual(MakeProblem({1, 1}, rows), false, dual);
    std::vector<int> ids = Ids(dual.objective);
    ASSERT_EQ(ids.size(), 2252u);
    EXPECT_EQ(dual.constraints[0].columnIds, ids);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_GE(ids.front(), 0);  // added columns have negative ids
}

TEST(DualBuilder, OneVariableStillHasADualAndNoRowsOnlyEmptyTheObjective) {
    ProblemSet dual;
    RebuildDual(MakeProblem({3}, {{{1}, "<=", 4}}), false, dual);
    EXPECT_EQ(dual.constraints.size(), 1u);
    RebuildDual(MakeProblem({3, 2}, {}), false, dual);
    EXPECT_TRUE(dual.objective.empty());
    EXPECT_EQ(dual.constraints.size(), 1u);
}

}  // namespace
}  // namespace vantrell

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
    EXPECT_EQ(std::tuple(objective[0].cost, objective[3].hasM, objective[3].mCost),
              std::tuple(-2.0, true, -1.0));
    EXPECT_EQ(state.mWork.constraints[0].coefficients, (std::vector<double>{1, 1, -1, 1, 0}));
    EXPECT_EQ(Names(state.mBasis), (std::vector<std::string>{"a1", "S2"}));
    EXPECT_EQ(state.mSizeFields.n + state.mSizeFields.m + state.mSizeFields.nMinusM, "523");
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

}  // namespace
}  // namespace vantrell

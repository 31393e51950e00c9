// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/objective_editing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/same_problem.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::ExpectSameProblem;
using testing::MakeProblem;

TEST(IsZeroText, FollowsTheFirstTwoCharacters) {
    const std::vector<std::pair<const char*, bool>> rows = {
        {"", true}, {"05", true}, {"0x", true}, {"0.0", false}, {"-0", false}, {" 0", false}};
    for (const auto& [text, zero] : rows) {
        EXPECT_EQ(IsZeroText(text), zero) << '"' << text << '"';
    }
}

TEST(VariableItemIndex, NamesOnlyTheNineItems) {
    const std::vector<std::pair<const char*, std::optional<int>>> rows = {
        {"X9", 8}, {"x3", 2}, {" X3 ", 2}, {"", {}}, {"X10", {}}, {"X0", {}}, {"Y1", {}}};
    for (const auto& [text, item] : rows) {
        EXPECT_EQ(VariableItemIndex(text), item) << '"' << text << '"';
    }
}

// Typed as the user would: the zero marker comes from the text, so "0" and "0.0" differ.
TEST(RefreshObjective, TwoTermsGiveTheSlopeWithThreeDecimals) {
    const std::vector<std::array<const char*, 4>> rows = {
        {"3", "2", "- 3.000/2.000", "-1.500"},       {"-3", "2", "3.000/2.000", "1.500"},
        {"4", "0", "4.000/0.000", "9900000000.000"}, {"3", "0.0", "- 3.000/0.000", "-infinite"},
        {"-3", "0.0", "3.000/0.000", "infinite"},    {"0.0", "0.0", "0.000/0.000", "undefined"}};
    for (const auto& [first, second, fraction, value] : rows) {
        SCOPED_TRACE(std::string(first) + " X1, " + second + " X2");
        ProblemSet primal;
        testing::ScriptedPrompt prompt;
        AddObjectiveTerm(primal, "X1", first, prompt);
        AddObjectiveTerm(primal, "X2", second, prompt);
        const ObjectiveFields fields = RefreshObjective(primal, 3);
        EXPECT_EQ(fields.slopeFraction, fraction);
        EXPECT_EQ(fields.slopeValue, value);
    }
}

TEST(AddObjectiveTerm, ALaterVariableFillsTermsAndWidensRowsAndReplacingKeepsTheCount) {
    ProblemSet primal = MakeProblem({}, {{{1, 2}, "<=", 4}, {{1, 2, 3, 4}, ">=", 1}});
    testing::ScriptedPrompt prompt;
    EXPECT_EQ(AddObjectiveTerm(primal, "X3", "5", prompt).nextItem, 3);
    // The objective and every row come out as wide as the widest row.
    ExpectSameProblem(
        primal, MakeProblem({0, 0, 5, 0}, {{{1, 2, 0, 0}, "<=", 4}, {{1, 2, 3, 4}, ">=", 1}}));

    AddObjectiveTerm(primal, "X1", "-0.5", prompt);
    EXPECT_EQ(primal.objective.size(), 4u);
    EXPECT_FALSE(primal.objective.at(0).zero);
    EXPECT_EQ(AddObjectiveTerm(primal, "X9", "1", prompt).nextItem, -1);

    const ProblemSet before = primal;
    EXPECT_FALSE(AddObjectiveTerm(primal, "X10", "5", prompt).done);
    EXPECT_FALSE(AddObjectiveTerm(primal, "X1", "abc", prompt).done);
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"Choose a variable from X1 to X9",
                                                         "Please enter a number."}));
    ExpectSameProblem(primal, before);
}

}  // namespace
}  // namespace vantrell

#include "commands/objective_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/same_problem.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::ExpectSameProblem;
using testing::MakeProblem;
using testing::ScriptedPrompt;

TEST(IsZeroText, FollowsTheFirstTwoCharacters) {
    const std::vector<std::pair<const char*, bool>> rows = {
        {"", true},     {"0", true},   {"00", true}, {"05", true},   {"0x", true},  {"0.0", false},
        {"0.5", false}, {"-0", false}, {"5", false}, {"abc", false}, {" 0", false},
    };
    for (const auto& [text, zero] : rows) {
        EXPECT_EQ(IsZeroText(text), zero) << '"' << text << '"';
    }
}

TEST(VariableItemIndex, NamesOnlyTheNineItems) {
    const std::vector<std::pair<const char*, std::optional<int>>> rows = {
        {"X1", 0},
        {"X9", 8},
        {"x3", 2},
        {" X3 ", 2},
        {"", std::nullopt},
        {"X10", std::nullopt},
        {"X0", std::nullopt},
        {"3", std::nullopt},
        {"Y1", std::nullopt},
    };
    for (const auto& [text, item] : rows) {
        EXPECT_EQ(VariableItemIndex(text), item) << '"' << text << '"';
    }
}

// Typed as the user would: the zero marker comes from the text, so "0" and "0.0" differ.
TEST(RefreshObjective, TwoTermsGiveTheSlopeWithThreeDecimals) {
    struct Row {
        const char* first;
        const char* second;
        const char* objective;
        const char* fraction;
        const char* value;
    };
    const std::vector<Row> rows = {
        {"3", "2", "3.000 X1 + 2.000 X2", "- 3.000/2.000", "-1.500"},
        {"3", "-2", "3.000 X1 - 2.000 X2", "3.000/2.000", "1.500"},
        {"-3", "2", "-3.000 X1 + 2.000 X2", "3.000/2.000", "1.500"},
        {"4", "0", "4.000 X1 + 0.000 X2", "4.000/0.000", "9900000000.000"},
        {"3", "0.0", "3.000 X1 + 0.000 X2", "- 3.000/0.000", "-infinite"},
        {"-3", "0.0", "-3.000 X1 + 0.000 X2", "3.000/0.000", "infinite"},
        {"0.0", "0.0", "0.000 X1 + 0.000 X2", "0.000/0.000", "undefined"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.first) + " X1, " + row.second + " X2");
        ProblemSet primal;
        ScriptedPrompt prompt;
        AddObjectiveTerm(primal, "X1", row.first, prompt);
        AddObjectiveTerm(primal, "X2", row.second, prompt);
        const ObjectiveFields fields = RefreshObjective(primal, 3);
        EXPECT_EQ(fields.objective, row.objective);
        EXPECT_EQ(fields.slopeFraction, row.fraction);
        EXPECT_EQ(fields.slopeValue, row.value);
    }
}

TEST(RefreshObjective, OtherTermCountsKeepTheStoredSlope) {
    ProblemSet primal = MakeProblem({3, 2, 1}, {});
    primal.slope = 7.0;
    const ObjectiveFields fields = RefreshObjective(primal, 3);
    EXPECT_EQ(fields.slopeFraction, "N/A");
    EXPECT_EQ(fields.slopeValue, "N/A");
    EXPECT_DOUBLE_EQ(primal.slope, 7.0);
}

TEST(AddObjectiveTerm, ALaterVariableFillsTermsAndWidensRowsAndReplacingKeepsTheCount) {
    ProblemSet primal = MakeProblem({}, {{{1, 2}, "<=", 4}, {{1, 2, 3, 4}, ">=", 1}});
    ScriptedPrompt prompt;

    EXPECT_EQ(AddObjectiveTerm(primal, "X3", "5", prompt).nextItem, 3);
    ExpectSameProblem(primal,
                      MakeProblem({0, 0, 5}, {{{1, 2, 0}, "<=", 4}, {{1, 2, 3, 4}, ">=", 1}}));

    // Text that is no number costs 0 but is not marked zero.
    AddObjectiveTerm(primal, "X1", "abc", prompt);
    ASSERT_EQ(primal.objective.size(), 3u);
    EXPECT_EQ(primal.objective[0].name, "X1");
    EXPECT_FALSE(primal.objective[0].zero);

    EXPECT_EQ(AddObjectiveTerm(primal, "X9", "1", prompt).nextItem, -1);
}

TEST(AddObjectiveTerm, NoVariableGetsAMessageAndChangesNothing) {
    ProblemSet primal = MakeProblem({3, 2}, {{{1, 1}, "<=", 4}});
    const ProblemSet before = primal;
    ScriptedPrompt prompt;

    EXPECT_FALSE(AddObjectiveTerm(primal, "X10", "5", prompt).done);

    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Choose a variable from X1 to X9"});
    ExpectSameProblem(primal, before);
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
// A number field's text that is no whole number ("abc", "3,5") or too large a magnitude
// ("1e999", "2e12") is refused by every press that would store it, with its message, and
// the problem stays as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/constraint_editing.h"
#include "commands/objective_editing.h"
#include "model/same_problem.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

constexpr int kNoLine = -1;
struct Refused {
    const char* name;
    const char* text;
    const char* message;
};
const Refused kRefused[] = {
    {"infinite", "1e999", kNumberTooLargeMessage},
    {"minus infinite", "-1e999", kNumberTooLargeMessage},
    {"blanks before", "  1e400", kNumberTooLargeMessage},
    {"above 1e12", "1.5e12", kNumberTooLargeMessage},
    {"below -1e12", "-2000000000000", kNumberTooLargeMessage},
    {"word", "abc", kNotANumberMessage},
    {"decimal comma", "3,5", kNotANumberMessage},
    {"trailing letter", "1e309X", kNotANumberMessage},
    {"two points", "1.2.3", kNotANumberMessage},
};

ConstraintFields Fields(std::string variable, std::string coefficient, std::string rhs) {
    return {"C", std::move(coefficient), std::move(variable), "<=", std::move(rhs)};
}

TEST(TypedNumber, WholeDecimalNumbersUpTo1e12AreTaken) {
    EXPECT_EQ(std::string(kNotANumberMessage), "Please enter a number.");
    EXPECT_EQ(ReadTypedNumber("1e-400").value, 0.0);  // too small is zero, not refused
    EXPECT_EQ(ReadTypedNumber(" -2.5 ").value, -2.5);
    EXPECT_EQ(ReadTypedNumber("1e12").value, 1e12);
}

TEST(NonFiniteInput, EveryStoringPressRefusesItAndChangesNothing) {
    for (const Refused& row : kRefused) {
        SCOPED_TRACE(row.name);
        const char* text = row.text;
        EXPECT_FALSE(ReadTypedNumber(text).value.has_value());
        VantrellState state;
        state.mPrimal = testing::MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
        const ProblemSet before = state.mPrimal;
        testing::ScriptedPrompt prompt;
        // Objective Add, also on a new variable: no zero terms filled in, no row widened.
        EXPECT_FALSE(AddObjectiveTerm(state.mPrimal, "X1", text, prompt).done);
        EXPECT_FALSE(AddObjectiveTerm(state.mPrimal, "X5", text, prompt).done);
        ConstraintEditor editing(state, 1);
        EXPECT_FALSE(editing.AddVariable(1, Fields("X2", text, "6"), prompt).done);
        EXPECT_FALSE(editing.AddVariable(1, Fields("X4", text, "6"), prompt).done);
        EXPECT_FALSE(editing.AddConstraint(1, Fields("X2", "3", text), prompt));
        ConstraintEditor adding(state, kNoLine);
        ASSERT_TRUE(adding.AddVariable(kNoLine, Fields("X1", "2", "5"), prompt).done);
        EXPECT_FALSE(adding.AddVariable(kNoLine, Fields("X2", text, "5"), prompt).done);
        EXPECT_FALSE(adding.AddVariable(kNoLine, Fields("X1", "1", text), prompt).done);
        EXPECT_FALSE(adding.AddConstraint(kNoLine, Fields("X1", text, text), prompt));
        EXPECT_EQ(prompt.messages, std::vector<std::string>(8, row.message));
        testing::ExpectSameProblem(state.mPrimal, before);
    }
}

}  // namespace
}  // namespace vantrell

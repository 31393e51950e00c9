// A number typed beyond what a double holds ("1e999" reads as infinite) is refused by every
// press that would store it, and the problem stays as it was.
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
const char* const kTooLarge[] = {"1e999", "-1e999", "  1e400", "1e309X"};

ConstraintFields Fields(std::string variable, std::string coefficient, std::string rhs) {
    return {"C", std::move(coefficient), std::move(variable), "<=", std::move(rhs)};
}

TEST(NonFiniteInput, EveryStoringPressRefusesItAndChangesNothing) {
    EXPECT_EQ(std::string(kNumberTooLargeMessage), "Numbers this large are not allowed. Try again");
    EXPECT_EQ(TypedNumberValue("1e-400"), 0.0);  // too small is zero, not refused
    for (const char* text : kTooLarge) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(TypedNumberValue(text).has_value());
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
        EXPECT_EQ(prompt.messages, std::vector<std::string>(7, kNumberTooLargeMessage));
        testing::ExpectSameProblem(state.mPrimal, before);

        // Add Con stores the row as the last accepted Add Var left it.
        ASSERT_TRUE(adding.AddConstraint(kNoLine, Fields("X1", text, text), prompt));
        EXPECT_EQ(state.mPrimal.constraints.back().coefficients, (std::vector<double>{2}));
        EXPECT_EQ(state.mPrimal.constraints.back().rhs, 5.0);
    }
}

}  // namespace
}  // namespace vantrell

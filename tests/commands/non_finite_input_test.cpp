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

using testing::ExpectSameProblem;
using testing::MakeProblem;
using testing::ScriptedPrompt;
using Messages = std::vector<std::string>;

constexpr int kNoLine = -1;
const char* const kTooLarge[] = {"1e999", "-1e999", "  1e400", "1e309X"};

ConstraintFields Fields(std::string variable, std::string coefficient, std::string rhs,
                        std::string relation = "<=") {
    return {"C", std::move(coefficient), std::move(variable), std::move(relation), std::move(rhs)};
}

TEST(TypedNumberValue, OnlyFiniteNumbersHaveAValue) {
    EXPECT_EQ(TypedNumberValue("2.5"), 2.5);
    EXPECT_EQ(TypedNumberValue("1e308"), 1e308);
    EXPECT_EQ(TypedNumberValue("1e-400"), 0.0);  // too small is zero, not refused
    EXPECT_EQ(TypedNumberValue("abc"), 0.0);     // no number reads as 0, as before
    for (const char* text : kTooLarge) {
        EXPECT_FALSE(TypedNumberValue(text).has_value()) << text;
    }
}

TEST(NonFiniteInput, ObjectiveAddRefusesTheCoefficient) {
    for (const char* text : kTooLarge) {
        SCOPED_TRACE(text);
        ProblemSet primal = MakeProblem({3, 2}, {{{1, 1}, "<=", 4}});
        const ProblemSet before = primal;
        ScriptedPrompt prompt;

        // A new variable too: no zero terms are filled in before it, no row is widened.
        EXPECT_FALSE(AddObjectiveTerm(primal, "X1", text, prompt).done);
        EXPECT_FALSE(AddObjectiveTerm(primal, "X5", text, prompt).done);

        EXPECT_EQ(prompt.messages, (Messages{kNumberTooLargeMessage, kNumberTooLargeMessage}));
        ExpectSameProblem(primal, before);
    }
}

class NonFiniteConstraintInput : public ::testing::Test {
  protected:
    NonFiniteConstraintInput() {
        state.mPrimal = MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
    }
    VantrellState state;
    ScriptedPrompt prompt;
};

TEST_F(NonFiniteConstraintInput, NewModeAddVarRefusesCoefficientAndRhs) {
    ConstraintEditor editor(state, kNoLine);
    ASSERT_TRUE(editor.AddVariable(kNoLine, Fields("X1", "2", "5"), prompt).done);
    const ConstraintRow pending = editor.Pending();

    for (const char* text : kTooLarge) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(editor.AddVariable(kNoLine, Fields("X2", text, "5"), prompt).done);
        EXPECT_FALSE(editor.AddVariable(kNoLine, Fields("X1", "1", text), prompt).done);
    }
    EXPECT_EQ(prompt.messages.size(), 2 * std::size(kTooLarge));
    EXPECT_EQ(prompt.messages.back(), kNumberTooLargeMessage);
    EXPECT_EQ(editor.Pending().coefficients, pending.coefficients);
    EXPECT_EQ(editor.Pending().rhs, 5.0);

    // Add Con then stores the row as the last accepted Add Var left it.
    ASSERT_TRUE(editor.AddConstraint(kNoLine, Fields("X1", "1e999", "1e999"), prompt));
    EXPECT_EQ(state.mPrimal.constraints.back().coefficients, (std::vector<double>{2}));
    EXPECT_EQ(state.mPrimal.constraints.back().rhs, 5.0);
}

TEST_F(NonFiniteConstraintInput, EditModeRefusesCoefficientAndRhs) {
    const ProblemSet before = state.mPrimal;
    const int line = 1;
    ConstraintEditor editor(state, line);

    for (const char* text : kTooLarge) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(editor.AddVariable(line, Fields("X2", text, "6"), prompt).done);
        EXPECT_FALSE(editor.AddVariable(line, Fields("X4", text, "6"), prompt).done);
        EXPECT_FALSE(editor.AddConstraint(line, Fields("X2", "3", text), prompt));
    }
    EXPECT_EQ(prompt.messages, Messages(3 * std::size(kTooLarge), kNumberTooLargeMessage));
    ExpectSameProblem(state.mPrimal, before);

    // The edit mode Add Var does not read the rhs field, so a bad one there is no reason
    // to refuse it.
    EXPECT_TRUE(editor.AddVariable(line, Fields("X2", "4", "1e999"), prompt).done);
    EXPECT_EQ(state.mPrimal.constraints[1].coefficients[1], 4.0);
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/constraint_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/objective_editing.h"
#include "model/same_problem.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::ExpectSameProblem;
using testing::MakeProblem;
using Messages = std::vector<std::string>;

constexpr int kNoLine = -1;

ConstraintFields Fields(std::string variable, std::string coefficient,
                        std::string relation = "<=", std::string rhs = "0.0",
                        std::string name = {}) {
    return {name, coefficient, variable, relation, rhs};
}

class ConstraintEditing : public ::testing::Test {
  protected:
    ConstraintEditing() {
        state.mPrimal = MakeProblem({1, 1}, {{{1, 2}, "<=", 4}, {{3, 4}, ">=", 1}});
    }
    VantrellState state;
    testing::ScriptedPrompt prompt;
};

TEST_F(ConstraintEditing, RefusedPressesGiveTheirMessageAndChangeNothing) {
    const ProblemSet before = state.mPrimal;
    ConstraintEditor adding(state, kNoLine);
    EXPECT_FALSE(adding.AddConstraint(kNoLine, Fields("X1", "5", "<=", "3"), prompt));
    EXPECT_FALSE(adding.AddVariable(kNoLine, Fields("", "5"), prompt).done);
    EXPECT_FALSE(adding.AddVariable(kNoLine, Fields("X1", "5", "=<"), prompt).done);
    ConstraintEditor editing(state, 0);
    EXPECT_FALSE(editing.AddVariable(0, Fields("X10", "5"), prompt).done);
    EXPECT_FALSE(editing.AddConstraint(0, Fields("X1", "5", "=>", "3"), prompt));
    ASSERT_TRUE(adding.AddVariable(kNoLine, Fields("X1", "1", ">=", "-1"), prompt).done);
    EXPECT_FALSE(adding.AddConstraint(kNoLine, Fields("X1", "5", "<=", ""), prompt));
    EXPECT_EQ(prompt.messages,
              (Messages{kNoCoefficientsMessage, kChooseVariableMessage, kChooseRelationMessage,
                        kChooseVariableMessage, kChooseRelationMessage, kNoRhsMessage}));
    ExpectSameProblem(state.mPrimal, before);

    // A negative right-hand side is taken in both modes: the engine turns the row around.
    EXPECT_TRUE(adding.AddConstraint(kNoLine, Fields("X1", "1", ">=", "-1"), prompt));
    EXPECT_DOUBLE_EQ(state.mPrimal.constraints.at(2).rhs, -1.0);
    EXPECT_TRUE(editing.AddConstraint(0, Fields("X1", "1", ">=", "-2"), prompt));
    EXPECT_DOUBLE_EQ(state.mPrimal.constraints.at(0).rhs, -2.0);
}

TEST_F(ConstraintEditing, NewModeFillsEarlierColumnsAndAddConWidensTheObjective) {
    state.mPrimal = MakeProblem({2}, {});
    ConstraintEditor editor(state, kNoLine);
    const auto result = editor.AddVariable(kNoLine, Fields("X3", "3", ">=", "4"), prompt);
    EXPECT_EQ(result.nextItem, 3);
    EXPECT_EQ(result.preview, " + 0.000 X1 + 0.000 X2 + 3.000 X3 >= 4.000");
    editor.AddVariable(kNoLine, Fields("X1", "7", "=", "6"), prompt);  // replaces, keeps X3

    // Add Con takes the relation and right-hand side on screen now: typed last, not lost.
    ASSERT_TRUE(editor.AddConstraint(kNoLine, Fields("X4", "", "<=", "99", "Plant"), prompt));
    ExpectSameProblem(state.mPrimal, MakeProblem({2, 0, 0}, {{{7, 0, 3}, "<=", 99, "Plant"}}));
    EXPECT_EQ(editor.Pending().ColumnCount(), 0u);
    EXPECT_EQ(editor.PendingPreview(), " <= 0.000");
    EXPECT_EQ(editor.ModeText(kNoLine), "Adding constraint 2");
    EXPECT_EQ(ConstraintEditor(state, 0).ModeText(0), "Editing constraint 1: Plant");
}

TEST_F(ConstraintEditing, EditModeAddVarOnANewVariableWidensEveryRow) {
    ConstraintEditor editor(state, 0);
    EXPECT_EQ(editor.AddVariable(0, Fields("X4", "0", ">=", "9"), prompt).nextItem, 3);
    // An emptied field on a present variable sets it to a marked zero.
    editor.AddVariable(0, Fields("X1", ""), prompt);
    ProblemSet expected =
        MakeProblem({1, 1, 0, 0}, {{{0, 2, 0, 0}, "<=", 4}, {{3, 4, 0, 0}, ">=", 1}});
    expected.constraints[0].zeroMarks[3] = false;  // the typed column, even typed as 0
    ExpectSameProblem(state.mPrimal, expected);
}

// A number field's text that is no decimal number ("abc", "3,5") or too large a magnitude
// ("1e999", "2e12") is refused by every press that would store it, with its message, and
// the problem stays as it was.
struct Refused {
    const char* name;
    const char* text;
    const char* message;
};
const Refused kRefused[] = {
    {"infinite", "1e999", kNumberTooLargeMessage},
    {"above 1e12", "1.5e12", kNumberTooLargeMessage},
    {"below -1e12", "-2000000000000", kNumberTooLargeMessage},
    {"word", "abc", kNotANumberMessage},
    {"decimal comma", "3,5", kNotANumberMessage},
};

TEST(TypedNumber, WholeDecimalNumbersUpTo1e12AreTaken) {
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
        EXPECT_FALSE(editing.AddVariable(1, Fields("X2", text, "<=", "6"), prompt).done);
        EXPECT_FALSE(editing.AddVariable(1, Fields("X4", text, "<=", "6"), prompt).done);
        EXPECT_FALSE(editing.AddConstraint(1, Fields("X2", "3", "<=", text), prompt));
        ConstraintEditor adding(state, kNoLine);
        ASSERT_TRUE(adding.AddVariable(kNoLine, Fields("X1", "2", "<=", "5"), prompt).done);
        EXPECT_FALSE(adding.AddVariable(kNoLine, Fields("X2", text, "<=", "5"), prompt).done);
        EXPECT_FALSE(adding.AddVariable(kNoLine, Fields("X1", "1", "<=", text), prompt).done);
        EXPECT_FALSE(adding.AddConstraint(kNoLine, Fields("X1", text, "<=", text), prompt));
        EXPECT_EQ(prompt.messages, std::vector<std::string>(8, row.message));
        testing::ExpectSameProblem(state.mPrimal, before);
    }
}

}  // namespace
}  // namespace vantrell

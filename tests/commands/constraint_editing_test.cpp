// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/constraint_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/main_commands.h"
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

TEST(RelationItemIndex, NamesOnlyTheThreeRelations) {
    EXPECT_EQ(RelationItemIndex("<="), kLessEqual);
    EXPECT_EQ(RelationItemIndex("="), kEqual);
    EXPECT_EQ(RelationItemIndex(" > = "), kGreaterEqual);
    for (const char* text : {"=<", "=>", "<", ""}) {
        EXPECT_EQ(RelationItemIndex(text), std::nullopt) << '"' << text << '"';
    }
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

// Typed the obvious way, each row with only its own terms, a problem is still a matrix:
// every row and the objective end up with every variable, missing ones as marked zeros.
TEST_F(ConstraintEditing, TypedRowsAndObjectiveComeOutComplete) {
    state.mPrimal = MakeProblem({}, {});
    ConstraintEditor editor(state, kNoLine);
    const auto add = [&](const char* variable, const char* coefficient) {
        return editor.AddVariable(kNoLine, Fields(variable, coefficient), prompt).done;
    };
    const auto con = [&](const char* rhs, const char* name) {
        return editor.AddConstraint(kNoLine, Fields("X1", "", "<=", rhs, name), prompt);
    };
    ASSERT_TRUE(add("X1", "1") && con("4", "C1") && add("X2", "2") && con("12", "C2"));
    ASSERT_TRUE(add("X1", "3") && add("X2", "2") && con("18", "C3"));
    ASSERT_TRUE(AddObjectiveTerm(state.mPrimal, "X1", "3", prompt).done);
    ExpectSameProblem(
        state.mPrimal,
        MakeProblem({3, 0}, {{{1, 0}, "<=", 4}, {{0, 2}, "<=", 12}, {{3, 2}, "<=", 18}}));
    EXPECT_EQ(PlotRefusal(state), std::nullopt);
}

}  // namespace
}  // namespace vantrell

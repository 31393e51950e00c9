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
using testing::ScriptedPrompt;

constexpr int kNoLine = -1;

ConstraintFields Fields(std::string variable, std::string coefficient,
                        std::string relation = "<=", std::string rhs = "0.0",
                        std::string name = {}) {
    return {std::move(name), std::move(coefficient), std::move(variable), std::move(relation),
            std::move(rhs)};
}

class ConstraintEditing : public ::testing::Test {
  protected:
    VantrellState state;
    ScriptedPrompt prompt;
};

TEST(RelationItemIndex, NamesOnlyTheThreeRelations) {
    const std::vector<std::pair<const char*, std::optional<std::int32_t>>> rows = {
        {"<=", kLessEqual},   {"=", kEqual},       {" > = ", kGreaterEqual}, {"=<", std::nullopt},
        {"=>", std::nullopt}, {"<", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, code] : rows) {
        EXPECT_EQ(RelationItemIndex(text), code) << '"' << text << '"';
    }
}

TEST_F(ConstraintEditing, NewModeAddVarFillsEarlierColumnsAndReplacesPresentOnes) {
    ConstraintEditor editor(state, kNoLine);

    const auto result = editor.AddVariable(kNoLine, Fields("X3", "3", ">=", "4"), prompt);
    editor.AddVariable(kNoLine, Fields("X1", "7", ">=", "4"), prompt);

    const ConstraintRow& pending = editor.Pending();
    EXPECT_EQ(pending.columnNames, (std::vector<std::string>{"X1", "X2", "X3"}));
    EXPECT_EQ(pending.coefficients, (std::vector<double>{7, 0, 3}));
    EXPECT_EQ(pending.zeroMarks, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(pending.relationText, ">=");
    EXPECT_EQ(result.nextItem, 3);
    EXPECT_EQ(result.preview, " + 0.000 X1 + 0.000 X2 + 3.000 X3 >= 4.000");
    EXPECT_TRUE(state.mPrimal.constraints.empty());
}

TEST_F(ConstraintEditing, PressesWithoutAVariableOrRelationChangeNothing) {
    struct Row {
        const char* label;
        int selectedLine;
        bool addCon;
        ConstraintFields fields;
        const char* message;
    };
    const std::vector<Row> rows = {
        {"new, Add Var, no variable", kNoLine, false, Fields("", "5"), kChooseVariableMessage},
        {"new, Add Var, =<", kNoLine, false, Fields("X1", "5", "=<"), kChooseRelationMessage},
        {"edit, Add Var, X10", 0, false, Fields("X10", "5"), kChooseVariableMessage},
        {"edit, Add Con, =>", 0, true, Fields("X1", "5", "=>", "3"), kChooseRelationMessage},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        VantrellState local;
        local.mPrimal = MakeProblem({1, 1}, {{{1, 2}, "<=", 4}});
        const ProblemSet before = local.mPrimal;
        ScriptedPrompt localPrompt;
        ConstraintEditor editor(local, row.selectedLine);

        const bool done = row.addCon
                              ? editor.AddConstraint(row.selectedLine, row.fields, localPrompt)
                              : editor.AddVariable(row.selectedLine, row.fields, localPrompt).done;

        EXPECT_FALSE(done);
        EXPECT_EQ(localPrompt.messages, std::vector<std::string>{row.message});
        EXPECT_EQ(editor.Pending().ColumnCount(), 0u);
        ExpectSameProblem(local.mPrimal, before);
    }
}

TEST_F(ConstraintEditing, AddConStoresTheRhsOfTheLastAddVarAndWidensTheObjective) {
    state.mPrimal = MakeProblem({2}, {});
    ConstraintEditor editor(state, kNoLine);
    editor.AddVariable(kNoLine, Fields("X3", "1", "=", "6"), prompt);

    ASSERT_TRUE(editor.AddConstraint(kNoLine, Fields("X4", "", "<=", "99", "Plant"), prompt));

    ExpectSameProblem(state.mPrimal, MakeProblem({2, 0, 0}, {{{0, 0, 1}, "=", 6, "Plant"}}));
    EXPECT_EQ(editor.Pending().ColumnCount(), 0u);
}

TEST_F(ConstraintEditing, NegativeRhsIsRefusedOnlyWhenEditing) {
    state.mPrimal = MakeProblem({1, 1}, {{{1, 1}, "<=", 4, "Old"}});
    const ProblemSet before = state.mPrimal;

    ConstraintEditor editing(state, 0);
    EXPECT_FALSE(editing.AddConstraint(0, Fields("X1", "1", ">=", "-1", "New"), prompt));
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{"Numbers less than zero are not allowed. Try again"});
    ExpectSameProblem(state.mPrimal, before);

    ConstraintEditor adding(state, kNoLine);
    adding.AddVariable(kNoLine, Fields("X1", "1", ">=", "-1"), prompt);
    EXPECT_TRUE(adding.AddConstraint(kNoLine, Fields("X1", "1", ">=", "-1"), prompt));
    ASSERT_EQ(state.mPrimal.constraints.size(), 2u);
    EXPECT_DOUBLE_EQ(state.mPrimal.constraints[1].rhs, -1.0);
}

TEST_F(ConstraintEditing, EditModeAddVarOnANewVariableWidensEveryRow) {
    state.mPrimal = MakeProblem({1, 1}, {{{1, 2}, "<=", 4}, {{3, 4}, ">=", 1}});
    ConstraintEditor editor(state, 0);

    const auto result = editor.AddVariable(0, Fields("X4", "0", ">=", "9"), prompt);

    ProblemSet expected = MakeProblem({1, 1}, {{{1, 2, 0, 0}, "<=", 4}, {{3, 4, 0, 0}, ">=", 1}});
    // The typed column of the edited row is never marked zero, even when typed as 0.
    expected.constraints[0].zeroMarks[3] = false;
    ExpectSameProblem(state.mPrimal, expected);
    EXPECT_EQ(result.nextItem, 3);
    // The row keeps its right-hand side until Add Con; the preview shows the box's relation.
    EXPECT_EQ(result.preview, " + 1.000 X1 + 2.000 X2 + 0.000 X3 + 0.000 X4 >= 4.000");

    // An emptied field on a present variable sets it to a marked zero.
    editor.AddVariable(0, Fields("X1", ""), prompt);
    EXPECT_DOUBLE_EQ(state.mPrimal.constraints[0].coefficients[0], 0.0);
    EXPECT_TRUE(state.mPrimal.constraints[0].zeroMarks[0]);
}

}  // namespace
}  // namespace vantrell

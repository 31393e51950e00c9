#include "model/equation_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/problem_builders.h"

namespace vantrell {
namespace {

using testing::MakeProblem;

// Renames the terms of a problem made by MakeProblem to dual names Y1, Y2, ...
ProblemSet AsDual(ProblemSet problem) {
    auto dualName = [](std::size_t k) { return "Y" + std::to_string(k + 1); };
    for (std::size_t k = 0; k < problem.objective.size(); ++k) {
        problem.objective[k].name = dualName(k);
    }
    for (ConstraintRow& row : problem.constraints) {
        for (std::size_t k = 0; k < row.columnNames.size(); ++k) {
            row.columnNames[k] = dualName(k);
        }
    }
    problem.constraintNames.assign(problem.constraints.size(), "");
    return problem;
}

TEST(EquationTextTest, ExampleTexts) {
    const ProblemSet primal = MakeProblem({3, 5, -2}, {{{3, 2}, ">=", 18, "Plant3"}});
    EXPECT_EQ(PrimalObjectiveText(primal, 3), "3.000 X1 + 5.000 X2 - 2.000 X3");
    EXPECT_EQ(PrimalConstraintLines(primal, 3),
              (std::vector<std::string>{" + 3.000 X1 + 2.000 X2 >= 18.000; Plant3"}));
    EXPECT_EQ(PrimalConstraintLines(primal, 0),
              (std::vector<std::string>{" + 3 X1 + 2 X2 >= 18; Plant3"}));

    const ProblemSet dual = AsDual(MakeProblem({4, 12}, {{{1, 0, 3}, ">=", 3, ""}}));
    EXPECT_EQ(DualObjectiveText(dual, 3, true), " + 4.000 Y1 + 12.000 Y2");
    EXPECT_EQ(DualConstraintLines(dual, 3, true),
              (std::vector<std::string>{" + 1.000 Y1 + 0.000 Y2 + 3.000 Y3 >= 3.000"}));
}

TEST(EquationTextTest, JoinerFollowsTheStoredValueNotItsText) {
    struct Case {
        const char* name;
        double coefficient;
        const char* term;
    };
    const Case cases[] = {
        {"small negative rounds to zero", -0.0004, " - 0.000 X1"},
        {"minus zero compares equal to zero", -0.0, " + 0.000 X1"},
        {"zero", 0.0, " + 0.000 X1"},
        {"negative", -2.5, " - 2.500 X1"},
        {"small positive", 0.0004, " + 0.000 X1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProblemSet problem = MakeProblem({1}, {{{c.coefficient}, "<=", 1, "C1"}});
        EXPECT_EQ(PrimalConstraintLines(problem, 3).at(0), std::string(c.term) + " <= 1.000; C1");
        EXPECT_EQ(DualObjectiveText(MakeProblem({c.coefficient}, {}), 3, true), c.term);
    }
}

TEST(EquationTextTest, FirstPrimalObjectiveTermKeepsItsOwnSign) {
    EXPECT_EQ(PrimalObjectiveText(MakeProblem({-3, -1}, {}), 3), "-3.000 X1 - 1.000 X2");
    EXPECT_EQ(PrimalObjectiveText(MakeProblem({-0.0004}, {}), 3), "-0.000 X1");
    EXPECT_EQ(PrimalObjectiveText(MakeProblem({}, {}), 3), "");
}

TEST(EquationTextTest, RelationTemplates) {
    struct Case {
        const char* relation;
        const char* primal;
        const char* dual;
    };
    const Case cases[] = {
        {"<=", " + 1.000 X1 <= 2.500; C1", " + 1.000 X1 <= 2.500"},
        {"=", " + 1.000 X1 = 2.500; C1", " + 1.000 X1 = 2.500"},
        {">=", " + 1.000 X1 >= 2.500; C1", " + 1.000 X1 >= 2.500"},
        // An unknown relation drops the right-hand side too.
        {"=<", " + 1.000 X1; C1", " + 1.000 X1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relation);
        const ProblemSet problem = MakeProblem({1}, {{{1}, c.relation, 2.5, "C1"}});
        EXPECT_EQ(PrimalConstraintLines(problem, 3).at(0), c.primal);
        EXPECT_EQ(DualConstraintLines(problem, 3, true).at(0), c.dual);
    }
}

TEST(EquationTextTest, EveryLineInOrderWithItsOwnName) {
    const ProblemSet primal = MakeProblem(
        {1, 1}, {{{1, -1}, "<=", -4, "First"}, {{}, "=", 0, "Empty"}, {{0, 2}, ">=", 1, "Third"}});
    EXPECT_EQ(PrimalConstraintLines(primal, 1),
              (std::vector<std::string>{" + 1.0 X1 - 1.0 X2 <= -4.0; First", " = 0.0; Empty",
                                        " + 0.0 X1 + 2.0 X2 >= 1.0; Third"}));
}

TEST(EquationTextTest, DualTextsAreEmptyWhileTheDisplayIsOff) {
    const ProblemSet dual = AsDual(MakeProblem({4, 12}, {{{1, 3}, ">=", 3, ""}}));
    EXPECT_EQ(DualObjectiveText(dual, 3, false), "");
    EXPECT_TRUE(DualConstraintLines(dual, 3, false).empty());
}

TEST(EquationTextTest, HorizontalExtentFollowsTheLongestLine) {
    EXPECT_EQ(HorizontalExtent({}), 0);
    EXPECT_EQ(HorizontalExtent({""}), 0);
    EXPECT_EQ(HorizontalExtent({"abc", std::string(40, 'x'), "de"}), 480);
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/equation_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/problem_builders.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using Lines = std::vector<std::string>;

TEST(EquationTextTest, ExampleTexts) {
    const ProblemSet primal = MakeProblem(
        {3, 5, -2},
        {{{1, -1}, "<=", -4, "First"}, {{}, "=", 0, "Empty"}, {{3, 2}, ">=", 18, "Plant3"}});
    EXPECT_EQ(PrimalObjectiveText(primal, 3), "3.000 X1 + 5.000 X2 - 2.000 X3");
    EXPECT_EQ(PrimalConstraintLines(primal, 1),
              (Lines{" + 1.0 X1 - 1.0 X2 <= -4.0; First", " = 0.0; Empty",
                     " + 3.0 X1 + 2.0 X2 >= 18.0; Plant3"}));
    EXPECT_EQ(PrimalObjectiveText(MakeProblem({-3, -1}, {}), 3), "-3.000 X1 - 1.000 X2");

    const ProblemSet dual = MakeProblem({4, 12}, {{{1, 0, 3}, ">=", 3, ""}});
    EXPECT_EQ(DualObjectiveText(dual, 3, true), " + 4.000 X1 + 12.000 X2");
    EXPECT_EQ(DualConstraintLines(dual, 3, true),
              (Lines{" + 1.000 X1 + 0.000 X2 + 3.000 X3 >= 3.000"}));
    EXPECT_EQ(DualObjectiveText(dual, 3, false), "");  // the display is off
    EXPECT_TRUE(DualConstraintLines(dual, 3, false).empty());

    EXPECT_EQ(HorizontalExtent({"abc", std::string(40, 'x'), "de"}), 480);
}

// The joiner follows the stored value, not its text; an unknown relation drops the RHS too.
TEST(EquationTextTest, JoinersAndRelations) {
    const std::pair<double, const char*> joiners[] = {{-0.0004, " - 0.000 X1"},
                                                      {-0.0, " + 0.000 X1"},
                                                      {0.0, " + 0.000 X1"},
                                                      {-2.5, " - 2.500 X1"},
                                                      {0.0004, " + 0.000 X1"}};
    for (const auto& [coefficient, term] : joiners) {
        const ProblemSet problem = MakeProblem({1}, {{{coefficient}, "<=", 1, "C1"}});
        EXPECT_EQ(PrimalConstraintLines(problem, 3).at(0), std::string(term) + " <= 1.000; C1");
        EXPECT_EQ(DualObjectiveText(MakeProblem({coefficient}, {}), 3, true), term);
    }
    const std::pair<const char*, const char*> relations[] = {{"<=", " + 1.000 X1 <= 2.500"},
                                                             {"=", " + 1.000 X1 = 2.500"},
                                                             {">=", " + 1.000 X1 >= 2.500"},
                                                             {"=<", " + 1.000 X1"}};
    for (const auto& [relation, text] : relations) {
        const ProblemSet problem = MakeProblem({1}, {{{1}, relation, 2.5, "C1"}});
        EXPECT_EQ(PrimalConstraintLines(problem, 3).at(0), std::string(text) + "; C1");
        EXPECT_EQ(DualConstraintLines(problem, 3, true).at(0), text);
    }
}

}  // namespace
}  // namespace vantrell

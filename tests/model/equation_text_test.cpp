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

// Rows keep their names; the dual texts are empty while the display is off.
TEST(EquationTextTest, NamesAndTheDualDisplay) {
    const ProblemSet primal = MakeProblem({3, -2}, {{{}, "=", 0, "Empty"}, {{3, 2}, ">=", 18, ""}});
    EXPECT_EQ(PrimalObjectiveText(primal, 1), "3.0 X1 - 2.0 X2");
    EXPECT_EQ(PrimalConstraintLines(primal, 0), (Lines{" = 0; Empty", " + 3 X1 + 2 X2 >= 18; C2"}));
    EXPECT_EQ(DualObjectiveText(primal, 3, false), "");
    EXPECT_TRUE(DualConstraintLines(primal, 3, false).empty());
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers in a problem file that a double cannot hold: the reader refuses them with a
// message, so no run ever starts from a coefficient or right-hand side that is not finite.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/problem_file_reader.h"

namespace vantrell {
namespace {

const std::string kWrongFormat = ": File must have the wrong format";

std::string File(const std::string& objective, const std::string& row) {
    return "S# Problem Name\n2\n0\n\n" + objective + " #object function\n\nC1#\n" + row + "\n";
}

TEST(NonFiniteFileNumbers, AreRefusedWithAMessageNamingTheToken) {
    const struct {
        std::string content;
        std::string message;
    } cases[] = {
        {File("1e999X1 + 1X2", "1X1 + 1X2 <= 4"), "Term \"1e999X1\" is unknown" + kWrongFormat},
        {File("1X1 - 1e999X2", "1X1 + 1X2 <= 4"), "Term \"1e999X2\" is unknown" + kWrongFormat},
        {File("nanX1 + 1X2", "1X1 + 1X2 <= 4"), "Term \"nanX1\" is unknown" + kWrongFormat},
        {File("infX1 + 1X2", "1X1 + 1X2 <= 4"), "Term \"infX1\" is unknown" + kWrongFormat},
        {File("1X1 + 1X2", "-1e400X1 + 1X2 <= 4"), "Term \"-1e400X1\" is unknown" + kWrongFormat},
        {File("1X1 + 1X2", "1X1 + nanX2 <= 4"), "Term \"nanX2\" is unknown" + kWrongFormat},
        {File("1X1 + 1X2", "1X1 + 1X2 <= 1e999"),
         "Right-hand side \"1e999\" of constraint 1 is unknown" + kWrongFormat},
        {File("1X1 + 1X2", "1X1 + 1X2 >= -1e999"),
         "Right-hand side \"-1e999\" of constraint 1 is unknown" + kWrongFormat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        const ProblemFileReading reading = ReadProblemText(c.content);
        EXPECT_FALSE(reading.file.has_value());
        ASSERT_FALSE(reading.messages.empty());
        EXPECT_EQ(reading.messages.back(), c.message);
    }
}

TEST(NonFiniteFileNumbers, TooSmallToHoldReadsAsZeroAndTheLargestDoubleIsKept) {
    const ProblemFileReading reading =
        ReadProblemText(File("1e-400X1 + 1.7976931348623157e308X2", "1X1 + 1e-400X2 <= 1e308"));
    ASSERT_TRUE(reading.file.has_value());
    EXPECT_TRUE(reading.messages.empty());
    const ProblemSet& problem = reading.file->problem;
    EXPECT_EQ(problem.objective[0].cost, 0.0);
    // Written as a number, not as a plain "0", so it is no marked zero.
    EXPECT_FALSE(problem.objective[0].zero);
    EXPECT_EQ(problem.objective[1].cost, 1.7976931348623157e308);
    EXPECT_EQ(problem.constraints[0].coefficients[1], 0.0);
    EXPECT_EQ(problem.constraints[0].rhs, 1e308);
}

}  // namespace
}  // namespace vantrell

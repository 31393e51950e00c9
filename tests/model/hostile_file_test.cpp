// SPDX-License-Identifier: GPL-3.0-or-later
// Files that were once read into a problem other than the one they state, and then solved
// without a word: each is now refused with a message that names the culprit, or read as
// what it says.
#include <gtest/gtest.h>

#include "model/problem_file_reader.h"
#include "model/same_problem.h"
#include "support/problem_builders.h"

namespace vantrell {
namespace {

using Texts = std::vector<std::string>;

const std::string kWrong = ": File must have the wrong format";

std::string File(const std::string& objective, const Texts& rows) {
    std::string text = "S# Problem Name\n2\n0\n\n" + objective + " #object function\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        text += "\nC" + std::to_string(i + 1) + "#\n" + rows[i] + "\n";
    }
    return text;
}

std::string Rows(std::size_t count, const std::string& row) {
    return File("1X1 + 1X2", Texts(count, row));
}

TEST(HostileFile, IsRefusedWithAMessageThatNamesTheCulprit) {
    const struct {
        const char* name;
        std::string content;
        std::string message;
    } cases[] = {
        {"rhs nan", File("1X1", {"1X1 <= 4", "1X1 <= nan"}),
         "Right-hand side \"nan\" of constraint 2 is unknown" + kWrong},
        {"name without hash", "Sample\n2\n0\n\n3X1\n",
         "Problem name is not followed by \"#\"" + kWrong},
        {"decimal places", "S#\n99999999999\n0\n",
         "Number of decimal places \"99999999999\" is unknown" + kWrong},
        {"minimize flag missing", "S#\n2\n", "Minimize flag is missing" + kWrong},
        {"rhs missing", Rows(1, "1X1 + 1X2 <="),
         "Right-hand side of constraint 1 is missing" + kWrong},
        {"relation <", Rows(1, "1X1 < 4"), "Equality \"<\" of constraint 1 is unknown" + kWrong},
        {"twice in a row", File("1X1", {"1X1 <= 4", "1X1 + 1X1 <= 4"}),
         "X1 appears twice in constraint 2" + kWrong},
        {"twice in the objective", File("1X2 + 3X1 - 1X2", {}),
         "X2 appears twice in the objective function" + kWrong},
        {"variable beyond the limit in a row", File("1X1", {"1X1 <= 1", "1X100 + 1X101 <= 1"}),
         "X101 in constraint 2 is beyond the 100 variables this program solves"},
        {"many rows too many", Rows(5000, "1X1 <= 1"),
         "The problem has 5000 constraints, more than the 100 this program solves"},
        {"UTF-16 without a byte order mark", std::string("S\0#\0\n\0002\0", 8),
         "The file is UTF-16 text: save it as 8-bit text (ASCII or UTF-8) and open it again"},
        // Numbers a double cannot hold: no run may start from one that is not finite.
        {"infinite rhs", Rows(1, "1X1 + 1X2 >= -1e999"),
         "Right-hand side \"-1e999\" of constraint 1 is unknown" + kWrong},
    };
    for (const auto& c : cases) {
        const ProblemFileReading reading = ReadProblemText(c.content);
        EXPECT_FALSE(reading.file.has_value()) << c.name;
        EXPECT_EQ(reading.messages, Texts{c.message}) << c.name;
    }
}

TEST(HostileFile, TermsGoToTheColumnOfTheirVariableNumber) {
    const ProblemFileReading reading = ReadProblemText(File("3X3", {"1X2 + 2X1 <= 4"}));
    ASSERT_TRUE(reading.file.has_value() && reading.messages.empty());
    // Gaps are zero-marked zeros, as the input dialogs fill them.
    testing::ExpectSameProblem(reading.file->problem,
                               testing::MakeProblem({0, 0, 3}, {{{2, 1}, "<=", 4, "C1"}}));
}

TEST(HostileFile, ManyNegativeRightHandSidesGiveOneMessage) {
    const std::string negative =
        "Constraints with RHS numbers less than zero are not allowed. Change file";
    const std::pair<std::size_t, std::string> cases[] = {
        {1, negative},
        {12, negative + "\nConstraints 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more (12 in all)"},
    };
    for (const auto& [count, message] : cases) {
        const ProblemFileReading reading = ReadProblemText(Rows(count, "1X1 >= -1"));
        ASSERT_TRUE(reading.file.has_value());
        EXPECT_EQ(reading.file->problem.constraints.size(), count);
        EXPECT_EQ(reading.messages, Texts{message});
    }
}

}  // namespace
}  // namespace vantrell

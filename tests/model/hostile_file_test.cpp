// Files that were once read into a problem other than the one they state, and then solved
// without a word: each is now refused with a message that names the culprit, or read as
// what it says.
#include <gtest/gtest.h>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "model/problem_file_reader.h"
#include "model/same_problem.h"
#include "support/problem_builders.h"
#include "support/recording_presenter.h"
#include "support/scripted_prompt.h"

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
        {"rhs inf", Rows(1, "1X1 <= inf"),
         "Right-hand side \"inf\" of constraint 1 is unknown" + kWrong},
        {"rhs hex", Rows(1, "1X1 <= 0x4"),
         "Right-hand side \"0x4\" of constraint 1 is unknown" + kWrong},
        {"rhs word", Rows(1, "1X1 <= four"),
         "Right-hand side \"four\" of constraint 1 is unknown" + kWrong},
        {"rhs decimal comma", Rows(1, "1X1 <= 4,5"),
         "Right-hand side \"4,5\" of constraint 1 is unknown" + kWrong},
        {"rhs missing", Rows(1, "1X1 + 1X2 <="),
         "Right-hand side of constraint 1 is missing" + kWrong},
        {"relation <", Rows(1, "1X1 < 4"), "Equality \"<\" of constraint 1 is unknown" + kWrong},
        {"relation =<", Rows(1, "1X1 =< 4"), "Equality \"=<\" of constraint 1 is unknown" + kWrong},
        {"relation missing", Rows(1, "1X1 + 1X2"), "Equality of constraint 1 is missing" + kWrong},
        {"twice in a row", File("1X1", {"1X1 <= 4", "1X1 + 1X1 <= 4"}),
         "X1 appears twice in constraint 2" + kWrong},
        {"twice in the objective", File("1X2 + 3X1 - 1X2", {}),
         "X2 appears twice in the objective function" + kWrong},
        {"variable beyond the limit", File("1X1 + 1X101", {}),
         "X101 in the objective function is beyond the 100 variables this program solves"},
        {"variable beyond the limit in a row", File("1X1", {"1X1 <= 1", "1X100 + 1X101 <= 1"}),
         "X101 in constraint 2 is beyond the 100 variables this program solves"},
        {"one row too many", Rows(101, "1X1 <= 1"),
         "The problem has 101 constraints, more than the 100 this program solves"},
        {"many rows too many", Rows(5000, "1X1 <= 1"),
         "The problem has 5000 constraints, more than the 100 this program solves"},
        {"UTF-16 with a byte order mark", std::string("\xFF\xFES\0#\0", 6),
         "The file is UTF-16 text: save it as 8-bit text (ASCII or UTF-8) and open it again"},
        {"UTF-16 without one", std::string("S\0#\0\n\0002\0", 8),
         "The file is UTF-16 text: save it as 8-bit text (ASCII or UTF-8) and open it again"},
    };
    for (const auto& c : cases) {
        const ProblemFileReading reading = ReadProblemText(c.content);
        EXPECT_FALSE(reading.file.has_value()) << c.name;
        EXPECT_EQ(reading.messages, Texts{c.message}) << c.name;
    }
}

TEST(HostileFile, TermsGoToTheColumnOfTheirVariableNumber) {
    const auto read = [](const std::string& objective, const std::string& row) {
        ProblemFileReading reading = ReadProblemText(File(objective, {row}));
        EXPECT_EQ(reading.messages, Texts{}) << row;
        return reading.file.value_or(ProblemFile{}).problem;
    };
    // Gaps are zero-marked zeros, as the input dialogs fill them.
    testing::ExpectSameProblem(read("3X3", "1X2 + 2X1 <= 4"),
                               testing::MakeProblem({0, 0, 3}, {{{2, 1}, "<=", 4, "C1"}}));
    const ConstraintRow row = read("1X1", "2.5X12 + 0X2 <= 4").constraints.at(0);
    EXPECT_EQ(row.columnNames.at(11), "X12");
    EXPECT_EQ(row.coefficients, (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2.5}));
    std::vector<bool> marks(12, true);
    marks[11] = false;
    EXPECT_EQ(row.zeroMarks, marks);
}

TEST(HostileFile, ARowWrittenInAnotherOrderSolvesToTheSameOptimum) {
    const Texts plants = {"1X1 <= 4", "2X2 <= 12"};
    std::string solutions[2];
    int k = 0;
    for (const char* last : {"3X1 + 2X2 <= 18", "2X2 + 3X1 <= 18"}) {
        VantrellState state;
        testing::ScriptedPrompt prompt;
        testing::RecordingPresenter presenter;
        Texts rows = plants;
        rows.emplace_back(last);
        ApplyProblemFile(state, ReadProblemText(File("3X1 + 5X2", rows)).file.value(), "p.lp");
        CalculatePrimal(state, prompt, presenter);
        solutions[k++] = state.mSolutionLines.at(3);
    }
    EXPECT_EQ(solutions[0], "Solution = 36.00");
    EXPECT_EQ(solutions[1], solutions[0]);
}

TEST(HostileFile, ManyNegativeRightHandSidesGiveOneMessage) {
    const std::string negative =
        "Constraints with RHS numbers less than zero are not allowed. Change file";
    const std::pair<std::size_t, std::string> cases[] = {
        {1, negative},
        {3, negative + "\nConstraints 1, 2, 3 (3 in all)"},
        {100, negative + "\nConstraints 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 90 more (100 in all)"},
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

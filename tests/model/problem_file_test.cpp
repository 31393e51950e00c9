#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "model/problem_file_reader.h"
#include "model/problem_file_writer.h"
#include "model/same_problem.h"
#include "support/problem_builders.h"

namespace vantrell {
namespace {

using testing::ExpectSameProblem;
using testing::MakeProblem;

const std::string kWrongFormat = ": File must have the wrong format";
const std::string kEqualityUnknown = "Equality is unknown" + kWrongFormat;
const std::string kNegativeRhs =
    "Constraints with RHS numbers less than zero are not allowed. Change file";

ProblemSet SampleProblem(double firstCost = 3, double secondCost = 5) {
    return MakeProblem(
        {firstCost, secondCost},
        {{{1, 0}, "<=", 4, "Plant1"}, {{0, 2}, "<=", 12, "Plant2"}, {{3, 2}, ">=", 18, "Plant3"}});
}

const std::string kSampleText =
    "Sample# Problem Name\n2 #number of decimal places\n0 # minimize is 1\n\n"
    "3.00X1 + 5.00X2 #object function\n"
    "\nPlant1#constraint name 1\n1.00X1 + 0.00X2 <= 4.00\n"
    "\nPlant2#constraint name 2\n0.00X1 + 2.00X2 <= 12.00\n"
    "\nPlant3#constraint name 3\n3.00X1 + 2.00X2 >= 18.00\n";

// "0.00" is no plain zero, so a problem written with decimals reads back without markers.
ProblemSet WithoutZeroMarks(ProblemSet problem) {
    for (CostTerm& term : problem.objective) {
        term.zero = false;
    }
    for (ConstraintRow& row : problem.constraints) {
        row.zeroMarks.assign(row.zeroMarks.size(), false);
    }
    return problem;
}

std::string WithHeader(const std::string& blocks) {
    return "S# Problem Name\n2\n0\n\n3.00X1 + 5.00X2 #object function\n" + blocks;
}

TEST(ProblemTextBuilder, WritesTheFileLineByLine) {
    EXPECT_EQ(BuildProblemText("Sample", 2, false, SampleProblem()), kSampleText);
    EXPECT_EQ(BuildProblemText("Sample", 0, true, SampleProblem(-3, -5)),
              "Sample# Problem Name\n0 #number of decimal places\n1 # minimize is 1\n\n"
              "-3X1 - 5X2 #object function\n\nPlant1#constraint name 1\n1X1 + 0X2 <= 4\n"
              "\nPlant2#constraint name 2\n0X1 + 2X2 <= 12\n"
              "\nPlant3#constraint name 3\n3X1 + 2X2 >= 18\n");
    ProblemSet termless = MakeProblem({}, {{{}, "<=", 4, "Cap"}});
    EXPECT_EQ(BuildProblemText("", 3, false, termless),
              "# Problem Name\n3 #number of decimal places\n0 # minimize is 1\n\n"
              " #object function\n\nCap#constraint name 1\n<= 4.000\n");
}

TEST(ProblemFileReader, ReadsBackWhatWasWritten) {
    const ProblemSet wide = MakeProblem(
        {1.5, 0, -2.25}, {{{0, 1, 0}, "=", 7.5, "Mixed"}, {{-1, 0, 3}, ">=", 0, "  padded  "}});
    const struct {
        const char* name;
        int decimals;
        bool minimize;
        ProblemSet problem;
        ProblemSet expected;
    } cases[] = {
        {"Sample", 2, false, SampleProblem(), WithoutZeroMarks(SampleProblem())},
        // At 0 decimals zero is written "0" and comes back with its marker.
        {"Whole numbers", 0, true, SampleProblem(-3, 0), SampleProblem(-3, 0)},
        {"  Wide ", 3, true, wide, WithoutZeroMarks(wide)},
        {"", 4, false, ProblemSet{}, ProblemSet{}},
        {"Rounded", 2, false, MakeProblem({1.23456}, {{{2.71828}, "<=", 3.14159, "R"}}),
         MakeProblem({1.23}, {{{2.72}, "<=", 3.14, "R"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = BuildProblemText(c.name, c.decimals, c.minimize, c.problem);
        const ProblemFileReading reading = ReadProblemText(text);
        ASSERT_TRUE(reading.file.has_value());
        EXPECT_TRUE(reading.messages.empty());
        EXPECT_EQ(reading.file->problemName, c.name);
        EXPECT_EQ(reading.file->decimalPlaces, c.decimals);
        EXPECT_EQ(reading.file->minimize, c.minimize);
        ExpectSameProblem(reading.file->problem, c.expected);
    }
}

TEST(ProblemFileReader, ContentThatCannotBeReadGivesNoProblem) {
    const struct {
        std::string content;
        std::string message;
    } cases[] = {
        {"", "Problem name is not followed by \"#\"" + kWrongFormat},
        {"Sample\n2\n0\n\n3X1\n", "Problem name is not followed by \"#\"" + kWrongFormat},
        {"S#\nabc #places\n0\n", "Number of decimal places \"abc\" is unknown" + kWrongFormat},
        {"S#\n99999999999\n0\n",
         "Number of decimal places \"99999999999\" is unknown" + kWrongFormat},
        {"S#\n2\n", "Minimize flag is missing" + kWrongFormat},
        {"S#\n2\n0\n\nX1 + 2X2\n", "Term \"X1\" is unknown" + kWrongFormat},
        {WithHeader("\nC1#\n1X0 <= 4\n"), "Term \"1X0\" is unknown" + kWrongFormat},
        {WithHeader("\nC1#\n1X1 <= 1e999\n"),
         "Right-hand side \"1e999\" is unknown" + kWrongFormat},
        // Messages met before the failure are kept, in order.
        {WithHeader("\nC1#\n1X1 =< -2\n\nC2#\n1X1 +2X2 <= 4\n"),
         kEqualityUnknown + "|" + kNegativeRhs + "|Multiplier is unknown" + kWrongFormat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        const ProblemFileReading reading = ReadProblemText(c.content);
        EXPECT_FALSE(reading.file.has_value());
        std::string messages;
        for (const std::string& message : reading.messages) {
            messages += (messages.empty() ? "" : "|") + message;
        }
        EXPECT_EQ(messages, c.message);
    }
}

TEST(ProblemFileReader, OddRowsAndHeadersReadAsDocumented) {
    const struct {
        std::string content;
        std::vector<std::string> messages;
        int decimals;
        std::size_t columns;
        std::int32_t relation;
        std::string relationText;
        double rhs;
    } cases[] = {
        {"S#\n-3\n1\n\n3X1\n\nC1#\n1X1 =< 4\n",
         {kEqualityUnknown},
         0,
         1,
         kUnknownRelation,
         "=<",
         4},
        {"S#\n99\n1\n\n3X1\n\nC1#\n1X1 + 2X2\n",
         {kEqualityUnknown},
         10,
         2,
         kUnknownRelation,
         "",
         0},
        {"S#\n2.5\n7\n\n3X1\n\nC1#\n1X1 <= -2.5 words\n",
         {kNegativeRhs},
         2,
         1,
         kLessEqual,
         "<=",
         -2.5},
        {"S#\n  4\n1\n\n3X1\n\nC1#\n<= 4.00\n", {}, 4, 0, kLessEqual, "<=", 4},
        {"S#\n4\n1\n\n3X1\n\nC1#\n3x1 >= 4\n",
         {kEqualityUnknown},
         4,
         0,
         kUnknownRelation,
         "3x1",
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        const ProblemFileReading reading = ReadProblemText(c.content);
        ASSERT_TRUE(reading.file.has_value());
        EXPECT_EQ(reading.messages, c.messages);
        EXPECT_EQ(reading.file->decimalPlaces, c.decimals);
        EXPECT_TRUE(reading.file->minimize);
        ASSERT_EQ(reading.file->problem.constraints.size(), 1u);
        const ConstraintRow& row = reading.file->problem.constraints[0];
        EXPECT_EQ(row.ColumnCount(), c.columns);
        EXPECT_EQ(row.relation, c.relation);
        EXPECT_EQ(row.relationText, c.relationText);
        EXPECT_DOUBLE_EQ(row.rhs, c.rhs);
    }
}

TEST(ProblemFileReader, VariableNumberAndZeroMarkComeFromTheToken) {
    const ProblemFileReading reading = ReadProblemText(WithHeader("\nC1#\n2.5X12 + 0X2 <= 4\n"));
    ASSERT_TRUE(reading.file.has_value());
    const ConstraintRow& row = reading.file->problem.constraints[0];
    EXPECT_EQ(row.columnIds, (std::vector<std::int32_t>{11, 1}));
    EXPECT_EQ(row.columnNames, (std::vector<std::string>{"X12", "X2"}));
    EXPECT_EQ(row.zeroMarks, (std::vector<bool>{false, true}));
}

TEST(ProblemFileReader, LineEndsBlanksAndTrailingEmptyLinesDoNotMatter) {
    std::string crlf;
    for (const char c : kSampleText) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const std::string spaced =
        "Sample# Problem Name\n  2   #places\n 0\n\n   3.00X1    +   5.00X2   #object function\n"
        "\nPlant1#c\n  1.00X1  +  0.00X2   <=   4.00  \n\nPlant2#c\n0.00X1 + 2.00X2 <= 12.00\n"
        "\nPlant3#c\n3.00X1 + 2.00X2 >= 18.00";  // no line break at the end
    for (const std::string& text : {crlf, spaced, crlf + "\r\n", kSampleText + "\n\n  \n\n"}) {
        const ProblemFileReading reading = ReadProblemText(text);
        ASSERT_TRUE(reading.file.has_value());
        EXPECT_TRUE(reading.messages.empty());
        EXPECT_EQ(reading.file->problemName, "Sample");
        ExpectSameProblem(reading.file->problem, WithoutZeroMarks(SampleProblem()));
    }
}

TEST(ProblemFileReader, NamesRunOnToTheNextHashAndAnIncompleteLastBlockIsLeftOut) {
    const ProblemFileReading runOn =
        ReadProblemText("Long\nname # Problem Name\n2\n0\n\n3X1\n\nFirst\npart#\n1X1 <= 4\n");
    ASSERT_TRUE(runOn.file.has_value());
    EXPECT_EQ(runOn.file->problemName, "Long\nname ");
    EXPECT_EQ(runOn.file->problem.constraintNames, std::vector<std::string>{"First\npart"});

    const std::string first = "\nPlant1#c\n1X1 <= 4\n";
    for (const char* last : {"\nPlant2 without hash\n2X2 <= 12\n", "\nPlant2#c 2\n"}) {
        const ProblemFileReading reading = ReadProblemText(WithHeader(first + last));
        ASSERT_TRUE(reading.file.has_value());
        EXPECT_EQ(
            reading.messages,
            std::vector<std::string>{"Constraint 2 is incomplete and was not read" + kWrongFormat});
        EXPECT_EQ(reading.file->problem.constraintNames, std::vector<std::string>{"Plant1"});
        EXPECT_EQ(reading.file->problem.constraints.size(), 1u);
    }
}

TEST(ProblemFileReader, BinaryGarbageEndsWithAConsistentResult) {
    std::mt19937 random(20240611);
    constexpr char kFormatCharacters[] = "X0123456789.+-# <=>\n\r\0e";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kFormatCharacters - 2);
    std::uniform_int_distribution<int> anyByte(0, 255);
    for (int round = 0; round < 400; ++round) {
        // Half the rounds draw from the format's own characters, to get further in.
        std::string content = round % 2 == 0 ? WithHeader("") : std::string();
        for (int i = 0; i < round * 3; ++i) {
            content += round % 4 < 2 ? static_cast<char>(anyByte(random))
                                     : kFormatCharacters[pick(random)];
        }
        const ProblemFileReading reading = ReadProblemText(content);
        ASSERT_TRUE(reading.file.has_value() || !reading.messages.empty());
        if (reading.file) {
            const ProblemSet& problem = reading.file->problem;
            ASSERT_EQ(problem.constraintNames.size(), problem.constraints.size());
            for (const ConstraintRow& row : problem.constraints) {
                ASSERT_EQ(row.zeroMarks.size(), row.ColumnCount());
                ASSERT_EQ(row.coefficients.size(), row.ColumnCount());
                ASSERT_TRUE(std::isfinite(row.rhs));
            }
        }
    }
}

// The whole process in a comma-decimal locale for one test, and back to "C" after it.
class CommaLocale {
  public:
    CommaLocale() : active_(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {}
    ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool active() const { return active_; }

  private:
    bool active_;
};

TEST(ProblemFileReader, ReadsBackWhatWasWrittenUnderACommaDecimalLocale) {
    CommaLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const ProblemSet problem = MakeProblem({2.5, -0.75}, {{{1.5, 0}, "<=", 4.25, "Plant1"}});
    const std::string text = BuildProblemText("Sample", 2, false, problem);
    EXPECT_NE(text.find("\n2.50X1 - 0.75X2 #object function\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n1.50X1 + 0.00X2 <= 4.25\n"), std::string::npos) << text;
    const ProblemFileReading reading = ReadProblemText(text);
    ASSERT_TRUE(reading.file.has_value());
    ExpectSameProblem(reading.file->problem, WithoutZeroMarks(problem));
}

}  // namespace
}  // namespace vantrell

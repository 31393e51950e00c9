// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "model/problem_file_reader.h"
#include "model/problem_file_writer.h"
#include "model/same_problem.h"
#include "support/problem_builders.h"

namespace vantrell {
namespace {

using testing::ExpectSameProblem;
using testing::MakeProblem;
using Texts = std::vector<std::string>;

const std::string kWrong = ": File must have the wrong format";
const std::string kNegativeRhs =
    "Constraints with RHS numbers less than zero are not allowed. Change file";
const std::string kSampleText =
    "Sample# Problem Name\n2 #number of decimal places\n0 # minimize is 1\n\n"
    "3.00X1 + 5.00X2 #object function\n\nPlant1#constraint name 1\n1.00X1 + 0.00X2 <= 4.00\n"
    "\nPlant2#constraint name 2\n0.00X1 + 2.00X2 <= 12.00\n";

ProblemSet Sample(double firstCost = 3, double secondCost = 5) {
    return MakeProblem({firstCost, secondCost},
                       {{{1, 0}, "<=", 4, "Plant1"}, {{0, 2}, "<=", 12, "Plant2"}});
}

// "0.00" is no plain zero, so a problem written with decimals reads back without markers.
ProblemSet Unmarked(ProblemSet problem) {
    for (CostTerm& term : problem.objective) {
        term.zero = false;
    }
    for (ConstraintRow& row : problem.constraints) {
        row.zeroMarks.assign(row.zeroMarks.size(), false);
    }
    return problem;
}

// The file read from text, which must read without a message.
ProblemFile ReadClean(const std::string& text) {
    const ProblemFileReading reading = ReadProblemText(text);
    EXPECT_EQ(reading.messages, Texts{}) << text;
    return reading.file.value_or(ProblemFile{"<no file>", 0, false, {}});
}

std::string WithHeader(const std::string& blocks) {
    return "S# Problem Name\n2\n1\n\n3.00X1 + 5.00X2 #object function\n" + blocks;
}

TEST(ProblemFile, WritesLineByLineAndReadsBackWhatWasWritten) {
    EXPECT_EQ(BuildProblemText("Sample", 2, false, Sample()), kSampleText);
    const ProblemSet wide = MakeProblem(
        {1.5, 0, -2.25}, {{{0, 1, 0}, "=", 7.5, "Mixed"}, {{-1, 0, 3}, ">=", 0, "  padded  "}});
    const std::tuple<std::string, int, bool, ProblemSet, ProblemSet> cases[] = {
        {"Sample", 2, false, Sample(), Unmarked(Sample())},
        {"Whole numbers", 0, true, Sample(-3, 0), Sample(-3, 0)},  // "0" keeps its marker
        {"  Wide ", 3, true, wide, Unmarked(wide)},
        {"", 4, false, ProblemSet{}, ProblemSet{}},
        {"Rounded", 2, false, MakeProblem({1.23456}, {{{2.71828}, "<=", 3.14159, "R"}}),
         MakeProblem({1.23}, {{{2.72}, "<=", 3.14, "R"}})},
    };
    for (const auto& [name, decimals, minimize, problem, expected] : cases) {
        const ProblemFile file = ReadClean(BuildProblemText(name, decimals, minimize, problem));
        EXPECT_EQ(std::tie(file.problemName, file.decimalPlaces, file.minimize),
                  std::tie(name, decimals, minimize));
        ExpectSameProblem(file.problem, expected);
    }
}

TEST(ProblemFileReader, LineEndsBlanksAndTrailingEmptyLinesDoNotMatter) {
    std::string crlf;
    for (const char c : kSampleText) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const std::string spaced =  // no line break at the end
        "Sample# Problem Name\n  2   #places\n 0\n\n   3.00X1    +   5.00X2   #object function\n"
        "\nPlant1#c\n  1.00X1  +  0.00X2   <=   4.00  \n\nPlant2#c\n0.00X1 + 2.00X2 <= 12.00";
    std::string crOnly = kSampleText;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    for (const std::string& text :
         {crlf, spaced, crlf + "\r\n", kSampleText + "\n\n  \n\n", crOnly}) {
        const ProblemFile file = ReadClean(text);
        EXPECT_EQ(file.problemName, "Sample");
        ExpectSameProblem(file.problem, Unmarked(Sample()));
    }
}

TEST(ProblemFileReader, OddRowsAndHeadersReadWithAMessage) {
    using Row = std::tuple<std::string, Texts, int, std::size_t, std::int32_t, std::string, double>;
    // clang-format off
    const Row cases[] = {
        {"S#\n-3\n1\n\n3X1\n\nC1#\n1X1 = 4\n", {}, 0, 1, kEqual, "=", 4},
        {"S#\n99\n1\n\n3X1\n\nC1#\n1X1 + 2X2 >= 0 #c\n", {}, 10, 2, kGreaterEqual, ">=", 0},
        {"S#\n2.5\n7\n\n3X1\n\nC1#\n1X1 <= -2.5 x\n", {kNegativeRhs}, 2, 1, kLessEqual, "<=", -2.5},
        {"S#\n  4\n1\n\n3X1\n\nC1#\n<= 4.00\n", {}, 4, 0, kLessEqual, "<=", 4},
    };
    // clang-format on
    for (const Row& c : cases) {
        const ProblemFileReading reading = ReadProblemText(std::get<0>(c));
        ASSERT_TRUE(reading.file.has_value() && reading.file->minimize) << std::get<0>(c);
        ASSERT_EQ(reading.file->problem.constraints.size(), 1u);
        const ConstraintRow& row = reading.file->problem.constraints[0];
        EXPECT_EQ(Row(std::get<0>(c), reading.messages, reading.file->decimalPlaces,
                      row.ColumnCount(), row.relation, row.relationText, row.rhs),
                  c);
    }
}

TEST(ProblemFileReader, NamesRunOnToTheNextHashAndAnIncompleteLastBlockIsLeftOut) {
    const ProblemFile runOn =
        ReadClean("Long\nname # Problem Name\n2\n0\n\n3X1\n\nFirst\npart#\n1X1 <= 4\n");
    EXPECT_EQ(runOn.problemName, "Long\nname ");
    EXPECT_EQ(runOn.problem.constraintNames, Texts{"First\npart"});
    for (const char* last : {"\nP2 without hash\n2X2 <= 12\n", "\nP2#c 2\n"}) {
        const ProblemFileReading reading =
            ReadProblemText(WithHeader("\nP1#c\n1X1 <= 4\n" + std::string(last)));
        ASSERT_TRUE(reading.file.has_value());
        EXPECT_EQ(reading.messages, Texts{"Constraint 2 is incomplete and was not read" + kWrong});
        EXPECT_EQ(reading.file->problem.constraintNames, Texts{"P1"});
        EXPECT_EQ(reading.file->problem.constraints.size(), 1u);
    }
}

}  // namespace
}  // namespace vantrell

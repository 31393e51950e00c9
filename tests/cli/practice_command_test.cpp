// SPDX-License-Identifier: GPL-3.0-or-later
// The practice dialogue over streams, as a teacher's script drives it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "cli_run.h"
#include "support/temp_dir.h"

namespace vantrell {
namespace {

using testing::Example;

struct Dialogue {
    int status = -1;
    std::string out;
};

Dialogue Practise(const std::vector<std::string>& args, const std::string& answers) {
    std::istringstream in(answers);
    std::ostringstream out;
    std::ostringstream err;
    Dialogue dialogue;
    dialogue.status = cli::RunCli(args, in, out, err, ReportClock{12, 5, 2026, 9, 7});
    dialogue.out = out.str();
    return dialogue;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct Case {
    const char* name;
    const char* file;
    const char* answers;
    std::vector<const char*> shown;
    const char* summary;
};

// maximize.lp: X1 enters, S1 leaves, then the tableau is optimal. unbounded.lp: X1
// enters, S1 leaves, X2 enters and no row limits it.
const Case kCases[] = {
    {"WrongThenRight",
     "maximize.lp",
     "X2\n\nx1\nS2\nS1\nX2\ndone\n",
     {"X2's Cj-Zj is 2.000, X1's is 3.000: the largest positive enters",
      "Answer with a column or row name"},
     "Right at the first try: 0 of 3"},
    {"EndOfInputIsNoMiss",
     "maximize.lp",
     "X1\n",
     {"Tableau 1: X1 enters; which row leaves?",
      "This practice is unfinished: it stopped at tableau 1.\nHints taken: 0\n"},
     "Right at the first try: 1 of 1"},
    {"NoWindowWords",
     "maximize.lp",
     "X1\nS1\nX2\noptimal\n",
     {"Tableau 2: what does this tableau show?\nno Cj-Zj is positive: this tableau is "
      "optimal\n"},
     "Right at the first try: 2 of 3"},
    {"MinimumAsStated",
     "minimize.lp",
     "show\nshow\nshow\nshow\nshow\n",
     {"\nMinimum of Z = 9.000 (the tableaus maximize -Z)\n"},
     "Right at the first try: 0 of 5"},
    {"Unbounded",
     "unbounded.lp",
     "X1\nS1\nX2\nS2\nunbounded\n",
     {"Right: no row has a positive entry in the X2 column"},
     "Right at the first try: 3 of 4"},
};

TEST(PracticeCommandTest, DialogueOverStreams) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Dialogue dialogue = Practise({"practice", Example(c.file)}, c.answers);
        EXPECT_EQ(dialogue.status, cli::kExitSuccess);
        for (const char* part : c.shown) {
            EXPECT_TRUE(Has(dialogue.out, part)) << part << "\n" << dialogue.out;
        }
        EXPECT_TRUE(dialogue.out.ends_with(std::string("\n") + c.summary + "\n")) << dialogue.out;
    }
}

// The arithmetic levels over streams: the row operations of maximize.lp's one pivot
// (R1 <- R1 / 1, R2 <- R2 - R1), and its next tableau row by row.
TEST(PracticeCommandTest, ArithmeticLevels) {
    struct Level {
        const char* name;
        const char* level;
        const char* answers;
        std::vector<const char*> shown;
    };
    const Level levels[] = {
        {"Operations",
         "operations",
         "X1\nS1\n1\n3\n1\noptimal\n",
         {"Tableau 2, row operation: R2 <- R2 - ? R1\n",
          "R2 <- R2 - 3 R1 gives: -2 0 -3 1 -6\nR2 <- R2 - 3 R1 leaves -2 in the X1 column, "
          "not 0: the multiplier is X1's entry in R2, 1\n",
          "Right: R2 <- R2 - R1 gives: 0 2 -1 1 2\n",
          "Choices: Right at the first try: 3 of 3\nRow operations: Right at the first try: 1 "
          "of 2\nMost common mistake: Other rows: 1 operation, the wrong multiplier\n"}},
        {"Tableau",
         "tableau",
         "X1\nS1\n1 1 1 0 4\nshow\n0 3 3 0\n3 3 3 0\n0, -1, -3, 0\noptimal\n",
         {"Tableau 2, R1 (X1, the pivot row): X1 X2 S1 S2 Bi\nRight: R1 (X1, the pivot row): 1 1 "
          "1 0 4\n",
          "R2 (S2): 0 2 -1 1 2\n",
          "Zj: 1 cell is wrong\nZj of X1: 3 x 1 + 0 x 0 = 3, not 0 (multiplied by the wrong Cb)\n",
          "Hints taken: 1\nChoices: Right at the first try: 3 of 3\nCells: Right at the first "
          "try: 12 of 18\nMost common mistake: Zj row: 1 cell, multiplied by the wrong Cb\n"}},
    };
    for (const Level& level : levels) {
        SCOPED_TRACE(level.name);
        const Dialogue dialogue = Practise(
            {"practice", Example("maximize.lp"), "--level", level.level, "--numbers", "fractions"},
            level.answers);
        EXPECT_EQ(dialogue.status, cli::kExitSuccess);
        for (const char* part : level.shown) {
            EXPECT_TRUE(Has(dialogue.out, part)) << part << "\n" << dialogue.out;
        }
    }
    EXPECT_EQ(Practise({"practice", Example("maximize.lp"), "--level", "cells"}, "").status,
              cli::kExitUsageOrUnreadable);
}

// Lines that are no answer cost nothing and ask again, at every level.
TEST(PracticeCommandTest, LinesThatAreNoAnswerAskAgain) {
    const std::string noise =
        "\n((((\n,,,\n-\n0/0\nM M\n1e9\n" + std::string(3000, '9') + "\n(1, 2)M\n";
    for (const char* level : {"choices", "operations", "tableau"}) {
        SCOPED_TRACE(level);
        const std::string answers = noise + "X1\n" + noise + "S1\n" + noise;
        const Dialogue dialogue =
            Practise({"practice", Example("maximize.lp"), "--level", level}, answers);
        EXPECT_EQ(dialogue.status, cli::kExitSuccess);
        EXPECT_TRUE(Has(dialogue.out, "This practice is unfinished")) << dialogue.out;
        EXPECT_TRUE(Has(dialogue.out, "Right at the first try: 2 of 2\n")) << dialogue.out;
    }
}

// Bland's rule takes X1 here, the largest Cj-Zj X2; the option counts wherever it stands.
TEST(PracticeCommandTest, BlandsRuleFromTheCommandLine) {
    const testing::TempDir dir;
    const std::string file = dir.File("plants.lp");
    {
        std::ofstream out(file);
        out << "Plants#\n0 #\n0 #\n\n3X1 + 5X2 #\n\nC1#\n1X1 + 0X2 <= 4\n\nC2#\n0X1 + 2X2 <= 12\n"
               "\nC3#\n3X1 + 2X2 <= 18\n";
    }
    for (const auto& args : {std::vector<std::string>{"practice", file, "--rule", "bland"},
                             std::vector<std::string>{"practice", "--rule", "bland", file}}) {
        const Dialogue dialogue = Practise(args, "X1\n");
        EXPECT_TRUE(Has(dialogue.out, "Right: X1 enters\n")) << dialogue.out;
    }
    EXPECT_TRUE(Has(Practise({"practice", file}, "X1\n").out, "the largest positive enters"));
}

// The generator's promises are pinned below the command line; here the file is written.
TEST(PracticeCommandTest, ExerciseWritesItsFileAndRefusesAnUnknownKind) {
    const testing::TempDir dir;
    const std::string file = dir.File("exercise.lp");
    const auto run = testing::RunVantrellCli(
        {"exercise", "--seed", "7", "--kind", "degenerate", "--vars", "3", "-o", file});
    ASSERT_EQ(run.status, cli::kExitSuccess) << run.err;
    EXPECT_TRUE(Has(testing::ReadWholeFile(file), "Exercise degenerate seed 7# Problem Name\r\n"));
    EXPECT_EQ(
        testing::RunVantrellCli({"exercise", "--seed", "7", "--kind", "easy", "-o", file}).status,
        cli::kExitUsageOrUnreadable);
    const auto huge =
        testing::RunVantrellCli({"exercise", "--seed", "2147483648", "--kind", "max", "-o", file});
    EXPECT_TRUE(Has(huge.err, "--seed needs a whole number from 0 to 2147483647\n")) << huge.err;
}

TEST(PracticeCommandTest, SheetRefusesBadOptionsWithAMessage) {
    const testing::TempDir dir;
    const std::string sheet = dir.File("sheet.tex");
    struct BadSheet {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    };
    const BadSheet cases[] = {
        {"NoCount", {"sheet", "--seed", "1", "-o", sheet}, "sheet needs --seed, --count and -o"},
        {"CountTooLarge",
         {"sheet", "--seed", "1", "--count", "21", "-o", sheet},
         "--count needs a whole number from 1 to 20"},
        {"UnknownKind",
         {"sheet", "--seed", "1", "--count", "2", "--kinds", "max,easy", "-o", sheet},
         "--kinds needs a list of max, min"},
        {"NeitherPdfNorTex",
         {"sheet", "--seed", "1", "--count", "2", "-o", dir.File("sheet.txt")},
         "-o needs a file name ending in .pdf or .tex"},
        {"KeyOverTheSheet",
         {"sheet", "--seed", "1", "--count", "2", "-o", sheet, "--key", sheet},
         "it is the sheet"},
    };
    for (const BadSheet& c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = testing::RunVantrellCli(c.args);
        EXPECT_EQ(run.status, cli::kExitUsageOrUnreadable);
        EXPECT_TRUE(Has(run.err, c.message)) << run.err;
    }
}

}  // namespace
}  // namespace vantrell

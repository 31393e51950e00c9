// SPDX-License-Identifier: GPL-3.0-or-later
// The practice dialogue over streams, as a teacher's script drives it.
#include <gtest/gtest.h>

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
    {"EndOfInputEndsCleanly",
     "maximize.lp",
     "X1\n",
     {"Tableau 1: X1 enters; which row leaves?"},
     "Right at the first try: 1 of 2"},
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

}  // namespace
}  // namespace vantrell

#include "commands/file_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/same_problem.h"
#include "simplex/dual_builder.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vantrell {
namespace {

using testing::ExpectSameProblem;
using testing::MakeProblem;
using testing::ReadWholeFile;
using testing::ScriptedPrompt;
using testing::TempDir;
using testing::WriteWholeFile;

const std::string kSaveQuestion = "Do you want to save the current inputs?";
const std::string kSampleFile =
    "Sample# Problem Name\r\n2 #number of decimal places\r\n1 # minimize is 1\r\n\r\n"
    "3.00X1 + 5.00X2 #object function\r\n\r\nPlant1#constraint name 1\r\n"
    "1.00X1 + 0.00X2 <= 4.00\r\n\r\nPlant2#constraint name 2\r\n0.00X1 + 2.00X2 <= 12.00\r\n";

// A solved problem, so a test sees whatever an open changes.
VantrellState SolvedState() {
    VantrellState state;
    state.mPrimal = MakeProblem({4, 0, 1}, {{{1, 1, 1}, "=", 9, "Old row"}});
    state.mPrimal.slope = -1.5;
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    state.mProblemName = "Old problem";
    state.mFileName = "/old/place/old.lp";
    state.mSolved = true;
    state.mSolutionLines = {"X1 = 9.000"};
    state.mSizeFields.m = "1";
    return state;
}

void ExpectSameState(const VantrellState& actual, const VantrellState& expected) {
    ExpectSameProblem(actual.mPrimal, expected.mPrimal);
    ExpectSameProblem(actual.mDual, expected.mDual);
    EXPECT_EQ(actual.mMinimize, expected.mMinimize);
    EXPECT_EQ(actual.mDecimalPlaces, expected.mDecimalPlaces);
    EXPECT_EQ(actual.mProblemName, expected.mProblemName);
    EXPECT_EQ(actual.mFileName, expected.mFileName);
    EXPECT_EQ(actual.mSolved, expected.mSolved);
    EXPECT_EQ(actual.mSolutionLines, expected.mSolutionLines);
    EXPECT_EQ(actual.mSizeFields.m, expected.mSizeFields.m);
}

class FileCommands : public ::testing::Test {
  protected:
    std::string Problem(const std::string& name, const std::string& content) {
        const std::string path = dir.File(name);
        WriteWholeFile(path, content);
        return path;
    }

    TempDir dir;
    ScriptedPrompt prompt;
    VantrellState state = SolvedState();
};

TEST_F(FileCommands, OpenReplacesTheProblemAndRebuildsTheDual) {
    const std::string path = Problem("sample.lp", kSampleFile);
    prompt.openFiles.push_back(path);

    EXPECT_EQ(OpenProblem(state, prompt), OpenResult::Opened);

    ASSERT_EQ(prompt.openSpecs.size(), 1u);
    EXPECT_EQ(prompt.openSpecs[0].initialName, "../Vantrell/data/*.lp");
    EXPECT_EQ(prompt.openSpecs[0].filterName, "Output File (*.lp)");
    EXPECT_EQ(prompt.openSpecs[0].pattern, "*.lp");
    EXPECT_EQ(prompt.openSpecs[0].defaultExtension, "");
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(prompt.questions, std::vector<std::string>{kSaveQuestion});

    VantrellState expected = state;
    expected.mPrimal =
        MakeProblem({3, 5}, {{{1, 0}, "<=", 4, "Plant1"}, {{0, 2}, "<=", 12, "Plant2"}});
    for (ConstraintRow& row : expected.mPrimal.constraints) {
        row.zeroMarks.assign(2, false);
    }
    expected.mPrimal.slope = -1.5;  // the dialog's slope is not in the file
    expected.mDual = ProblemSet{};
    RebuildDual(expected.mPrimal, true, expected.mDual);
    expected.mMinimize = true;
    expected.mDecimalPlaces = 2;
    expected.mProblemName = "Sample";
    expected.mFileName = path;
    expected.mSolved = false;
    expected.mSolutionLines.clear();
    expected.mSizeFields.m = "2";
    ExpectSameState(state, expected);
}

TEST_F(FileCommands, OpenWithoutRowsLeavesNoOldDualRows) {
    prompt.openFiles.push_back(Problem("flat.lp", "P#\n2\n0\n\n1.00X1 #object function\n"));
    prompt.answers.push_back(false);

    EXPECT_EQ(OpenProblem(state, prompt), OpenResult::Opened);

    EXPECT_TRUE(state.mDual.constraints.empty());
    EXPECT_TRUE(state.mDual.constraintNames.empty());
    EXPECT_EQ(state.mSizeFields.m, "0");
}

TEST_F(FileCommands, CancelledOpenStillRebuildsTheDualAndEmptiesTheSolution) {
    state.mDual.Clear();
    VantrellState expected = state;
    RebuildDual(expected.mPrimal, expected.mMinimize, expected.mDual);
    expected.mSolutionLines.clear();
    prompt.openFiles.push_back(std::nullopt);

    EXPECT_EQ(OpenProblem(state, prompt), OpenResult::Cancelled);

    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(prompt.questions.empty());
    ExpectSameState(state, expected);
}

TEST_F(FileCommands, FailedOpenKeepsEverything) {
    const std::string wrongFormat = ": File must have the wrong format";
    const struct {
        std::string path;
        std::vector<std::string> messages;
        std::size_t questions;
    } cases[] = {
        {dir.File("missing.lp"), {"Cannot open LP file"}, 0},
        {dir.path().string(), {"Cannot open LP file"}, 0},
        {Problem("bad.lp", "S#\n2\n0\n\n3X1 + 4X2\n\nC1#\n1X1 =< 4\n\nC2#\n1X1 +2X2 <= 4\n"),
         {"Equality is unknown" + wrongFormat, "Multiplier is unknown" + wrongFormat},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        VantrellState opened = SolvedState();
        ScriptedPrompt answers;
        answers.openFiles.push_back(c.path);

        EXPECT_EQ(OpenProblem(opened, answers), OpenResult::Failed);

        EXPECT_EQ(answers.messages, c.messages);
        EXPECT_EQ(answers.questions.size(), c.questions);
        ExpectSameState(opened, SolvedState());
    }
}

TEST_F(FileCommands, OpenAsksToSaveOnlyWhenThereIsSomethingToSave) {
    const std::string path = Problem("sample.lp", kSampleFile);
    const struct {
        ProblemSet problem;
        std::size_t questions;
    } cases[] = {
        {ProblemSet{}, 0},
        {MakeProblem({1}, {}), 1},
        {MakeProblem({}, {{{}, "<=", 1, "Cap"}}), 1},
    };
    for (const auto& c : cases) {
        VantrellState current;
        current.mPrimal = c.problem;
        ScriptedPrompt answers;
        answers.openFiles.push_back(path);

        EXPECT_EQ(OpenProblem(current, answers), OpenResult::Opened);

        EXPECT_EQ(answers.questions.size(), c.questions);
        EXPECT_TRUE(answers.saveSpecs.empty());
    }
}

TEST_F(FileCommands, YesSavesTheCurrentInputsAndThenOpensTheFileAsChosen) {
    // Saved over the very file being opened: it still opens with the content it had.
    const std::string path = Problem("sample.lp", kSampleFile);
    prompt.openFiles.push_back(path);
    prompt.answers.push_back(true);
    prompt.saveFiles.push_back(path);

    EXPECT_EQ(OpenProblem(state, prompt), OpenResult::Opened);

    ASSERT_EQ(prompt.saveSpecs.size(), 1u);
    EXPECT_EQ(prompt.saveSpecs[0].defaultExtension, "lp");
    EXPECT_EQ(ReadWholeFile(path).rfind("Old problem# Problem Name\r\n3 #number", 0), 0u);
    EXPECT_EQ(state.mProblemName, "Sample");
    EXPECT_EQ(state.mPrimal.constraints.size(), 2u);
}

TEST_F(FileCommands, SaveTextLeavesOnlyTheNewContentOrReportsWhyNot) {
    const std::string path = Problem("out.lp", std::string(10000, '#'));
    state.mPrimal = MakeProblem({1}, {});
    state.mDecimalPlaces = 1;
    state.mProblemName = "Tiny";
    prompt.saveFiles.push_back(path);
    const std::string missing = dir.File("missing/out.lp");
    prompt.saveFiles.push_back(missing);

    SaveText(state, prompt);
    SaveText(state, prompt);

    EXPECT_EQ(ReadWholeFile(path),
              "Tiny# Problem Name\r\n1 #number of decimal places\r\n0 # minimize is 1\r\n\r\n"
              "1.0X1 #object function\r\n");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Cannot write \"" + missing +
                                                        "\": No such file or directory"});
}

}  // namespace
}  // namespace vantrell

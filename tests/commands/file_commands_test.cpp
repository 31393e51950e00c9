// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/problem_limits.h"
#include "model/same_problem.h"
#include "simplex/dual_builder.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::ScriptedPrompt;
using Texts = std::vector<std::string>;

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

Texts CannotOpen(const std::string& path, const std::string& reason) {
    return {"Cannot open LP file \"" + path + "\": " + reason};
}

void ExpectSameState(const VantrellState& a, const VantrellState& e) {
    testing::ExpectSameProblem(a.mPrimal, e.mPrimal);
    testing::ExpectSameProblem(a.mDual, e.mDual);
    EXPECT_EQ(std::tie(a.mMinimize, a.mDecimalPlaces, a.mProblemName, a.mFileName, a.mSolved,
                       a.mSolutionLines, a.mSizeFields.m),
              std::tie(e.mMinimize, e.mDecimalPlaces, e.mProblemName, e.mFileName, e.mSolved,
                       e.mSolutionLines, e.mSizeFields.m));
}

class FileCommands : public ::testing::Test {
  protected:
    std::string Problem(const std::string& name, const std::string& content) {
        testing::WriteWholeFile(dir.File(name), content);
        return dir.File(name);
    }
    testing::TempDir dir;
    ScriptedPrompt prompt;
    VantrellState state = SolvedState();
};

TEST_F(FileCommands, OpenReplacesTheProblemAndRebuildsTheDual) {
    const std::string path = Problem("sample.lp", kSampleFile);
    prompt.openFiles.push_back(path);
    EXPECT_EQ(OpenProblem(state, prompt), OpenResult::Opened);
    ASSERT_EQ(prompt.openSpecs.size(), 1u);
    EXPECT_EQ(std::tie(prompt.openSpecs[0].initialName, prompt.openSpecs[0].filterName),
              std::tuple("../Vantrell/data/*.lp", "Output File (*.lp)"));
    EXPECT_EQ(prompt.questions, Texts{"Do you want to save the current inputs?"});

    EXPECT_EQ(std::tie(state.mMinimize, state.mDecimalPlaces, state.mProblemName, state.mFileName,
                       state.mSolved, state.mSizeFields.m),
              std::tuple(true, 2, "Sample", path, false, "2"));
    EXPECT_EQ(state.mPrimal.constraintNames, (Texts{"Plant1", "Plant2"}));
    EXPECT_EQ(state.mPrimal.slope, -1.5);  // the dialog's slope is not in the file
    EXPECT_EQ(state.mDual.objective.size(), 2u);
    EXPECT_TRUE(state.mSolutionLines.empty());

    // A file without rows leaves no old dual rows.
    prompt.openFiles.push_back(Problem("flat.lp", "P#\n2\n0\n\n1.00X1 #object function\n"));
    EXPECT_EQ(OpenProblem(state, prompt), OpenResult::Opened);
    EXPECT_TRUE(state.mDual.constraints.empty() && state.mDual.constraintNames.empty());
    EXPECT_EQ(state.mSizeFields.m, "0");
}

// The question is about the problem on screen: asked before the file dialog, and only when
// the problem has changes no file holds; a file that cannot be read costs no question.
TEST_F(FileCommands, SavingIsOfferedFirstAndOnlyForUnsavedChanges) {
    struct OrderedPrompt : ScriptedPrompt {
        std::vector<std::string> order;
        bool AskYesNo(const std::string& question) override {
            order.push_back("question");
            return ScriptedPrompt::AskYesNo(question);
        }
        std::optional<std::string> ChooseFileToOpen(const FileDialogSpec& request) override {
            order.push_back("open");
            return ScriptedPrompt::ChooseFileToOpen(request);
        }
    };
    const std::string path = Problem("sample.lp", kSampleFile);
    for (const auto& [unsaved, order] :
         {std::pair{true, Texts{"question", "open"}}, std::pair{false, Texts{"open"}}}) {
        VantrellState shown = SolvedState();
        OrderedPrompt answers;
        answers.answers = {false};
        answers.openFiles.push_back(path);
        EXPECT_EQ(OpenProblem(shown, answers, unsaved), OpenResult::Opened);
        EXPECT_EQ(answers.order, order) << unsaved;
    }
    OrderedPrompt missing;
    EXPECT_EQ(OpenProblemAt(state, missing, dir.File("gone.lp"), true), OpenResult::Failed);
    EXPECT_TRUE(missing.order.empty());
}

TEST_F(FileCommands, CancelledOpenStillRebuildsTheDualAndEmptiesTheSolution) {
    state.mDual.Clear();
    VantrellState expected = state;
    RebuildDual(expected.mPrimal, expected.mMinimize, expected.mDual);
    expected.mSolutionLines.clear();
    prompt.openFiles.push_back(std::nullopt);
    EXPECT_EQ(OpenProblem(state, prompt, false), OpenResult::Cancelled);
    EXPECT_TRUE(prompt.messages.empty() && prompt.questions.empty());
    ExpectSameState(state, expected);
}

TEST_F(FileCommands, FailedOpenKeepsEverythingIncludingTheFileName) {
    const std::string wrong = ": File must have the wrong format";
    const std::string large = Problem("large.lp", "");
    std::filesystem::resize_file(large, kMaxProblemFileBytes + 1);
    const std::tuple<std::string, Texts, std::size_t> cases[] = {
        {dir.File("missing.lp"), CannotOpen(dir.File("missing.lp"), "No such file or directory"),
         1},
        {large,
         CannotOpen(large, "File too large: 4000001 bytes, more than the 4000000 that are read"),
         1},
        {Problem("bad.lp", "S#\n2\n0\n\n3X1 + 4X2\n\nC1#\n1X1 =< 4\n\nC2#\n1X1 +2X2 <= 4\n"),
         {"Equality \"=<\" of constraint 1 is unknown" + wrong},
         1},
    };
    for (const auto& [path, messages, questions] : cases) {
        VantrellState opened = SolvedState();
        ScriptedPrompt answers;
        answers.openFiles.push_back(path);
        EXPECT_EQ(OpenProblem(opened, answers), OpenResult::Failed) << path;
        EXPECT_EQ(std::tuple(answers.messages, answers.questions.size()),
                  std::tuple(messages, questions));
        ExpectSameState(opened, SolvedState());
    }
}

TEST_F(FileCommands, OpenAsksToSaveOnlyWhenThereIsSomethingToSave) {
    const std::string path = Problem("sample.lp", kSampleFile);
    const std::pair<ProblemSet, std::size_t> cases[] = {
        {ProblemSet{}, 0}, {MakeProblem({1}, {}), 1}, {MakeProblem({}, {{{}, "<=", 1, "Cap"}}), 1}};
    for (const auto& [problem, questions] : cases) {
        VantrellState current;
        current.mPrimal = problem;
        ScriptedPrompt answers;
        answers.openFiles.push_back(path);
        EXPECT_EQ(OpenProblem(current, answers), OpenResult::Opened);
        EXPECT_EQ(std::tuple(answers.questions.size(), answers.saveSpecs.size()),
                  std::tuple(questions, 0u));
    }
}

// Yes saves the problem on screen first; then the chosen file opens.
TEST_F(FileCommands, YesSavesTheCurrentProblemThenTheChosenFileOpens) {
    const std::string path = Problem("sample.lp", kSampleFile);
    prompt.openFiles.push_back(path);
    prompt.answers.push_back(true);
    prompt.saveFiles.push_back(dir.File("old.lp"));
    EXPECT_EQ(OpenProblem(state, prompt), OpenResult::Opened);
    ASSERT_EQ(prompt.saveSpecs.size(), 1u);
    EXPECT_EQ(prompt.saveSpecs[0].defaultExtension, "lp");
    EXPECT_EQ(testing::ReadWholeFile(dir.File("old.lp"))
                  .rfind("Old problem# Problem Name\r\n3 #number", 0),
              0u);
    EXPECT_EQ(std::tuple(state.mProblemName, state.mPrimal.constraints.size()),
              std::tuple("Sample", 2u));
}

TEST_F(FileCommands, SaveTextLeavesOnlyTheNewContentOrReportsWhyNot) {
    const std::string path = Problem("out.lp", std::string(10000, '#'));
    state.mPrimal = MakeProblem({1}, {});
    state.mDecimalPlaces = 1;
    state.mProblemName = "Tiny";
    const std::string missing = dir.File("missing/out.lp");
    prompt.saveFiles = {path, missing};
    SaveText(state, prompt);
    SaveText(state, prompt);
    EXPECT_EQ(testing::ReadWholeFile(path),
              "Tiny# Problem Name\r\n1 #number of decimal places\r\n0 # minimize is 1\r\n\r\n"
              "1.0X1 #object function\r\n");
    EXPECT_EQ(prompt.messages,
              Texts{"Cannot write \"" + missing + "\": No such file or directory"});
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
// New Exercise puts a new unsaved problem in place, after New's question, or keeps the old.
#include "commands/exercise_commands.h"

#include <gtest/gtest.h>

#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

TEST(ExerciseCommandsTest, NewExerciseReplacesOrKeepsTheProblem) {
    VantrellState state;
    state.mPrimal = testing::MakeProblem({1, 1}, {{{1, 1}, "<=", 2}});
    state.mProblemName = "Kept";
    state.mFileName = "kept.lp";
    testing::ScriptedPrompt prompt;
    EXPECT_FALSE(NewExercise(state, prompt, {ExerciseKind::Max, 5, 9, 3}));  // too many variables
    EXPECT_EQ(prompt.messages.size(), 1U);
    EXPECT_TRUE(prompt.questions.empty());
    EXPECT_EQ(std::tuple(state.mProblemName, state.mFileName, state.mPrimal.constraints.size()),
              std::tuple("Kept", "kept.lp", 1U));

    prompt.answers = {false};
    EXPECT_TRUE(NewExercise(state, prompt, {ExerciseKind::Infeasible, 5, 2, 3}));
    EXPECT_EQ(prompt.questions,
              std::vector<std::string>{"Do you want to save the current inputs?"});
    // An exercise is not saved anywhere yet.
    EXPECT_EQ(std::tuple(state.mProblemName, state.mFileName, state.mPrimal.constraints.size()),
              std::tuple("Exercise infeasible seed 5", "", 3U));
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
// New Exercise puts a new unsaved problem in place, after New's question, or keeps the old.
#include "commands/exercise_commands.h"

#include <gtest/gtest.h>

#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

TEST(ExerciseCommandsTest, NewExerciseReplacesOrKeepsTheProblem) {
    struct Case {
        const char* name;
        ExerciseRequest request;
        bool made;
        const char* problemName;
        std::size_t questions;
    };
    const Case cases[] = {
        {"Made", {ExerciseKind::Infeasible, 5, 2, 3}, true, "Exercise infeasible seed 5", 1},
        {"SizeRefused", {ExerciseKind::Max, 5, 9, 3}, false, "Kept", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VantrellState state;
        state.mPrimal = testing::MakeProblem({1, 1}, {{{1, 1}, "<=", 2}});
        state.mProblemName = "Kept";
        state.mFileName = "kept.lp";
        const ProblemSet before = state.mPrimal;
        testing::ScriptedPrompt prompt;
        prompt.answers = {false};
        EXPECT_EQ(NewExercise(state, prompt, c.request), c.made);
        EXPECT_EQ(state.mProblemName, c.problemName);
        EXPECT_EQ(prompt.questions.size(), c.questions);
        EXPECT_EQ(state.mFileName.empty(), c.made);  // an exercise is not saved anywhere yet
        EXPECT_EQ(state.mPrimal.constraints.size(), c.made ? 3U : before.constraints.size());
        EXPECT_EQ(prompt.messages.empty(), c.made);
    }
}

}  // namespace
}  // namespace vantrell

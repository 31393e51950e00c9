// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/exercise_commands.h"

#include "commands/file_commands.h"
#include "commands/main_commands.h"

namespace vantrell {

bool NewExercise(VantrellState& state, Prompt& prompt, const ExerciseRequest& request,
                 bool unsaved) {
    ExerciseResult exercise = MakeExercise(request);
    if (!exercise.file) {
        prompt.ShowMessage(exercise.error);
        return false;
    }
    NewProblem(state, prompt, unsaved);
    ApplyProblemFile(state, std::move(*exercise.file), "");
    return true;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "teach/exercise_generator.h"

namespace vantrell {

// File > New Exercise: makes the exercise and, after New's question about the current
// inputs, puts it in place of the problem as a new unsaved one. False, with the problem
// untouched, when no exercise could be made.
bool NewExercise(VantrellState& state, Prompt& prompt, const ExerciseRequest& request,
                 bool unsaved = true);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/sheet_commands.h"

#include <deque>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "export/exercise_sheet.h"

namespace vantrell {

SheetDocuments MakeExerciseSheet(const SheetRequest& request) {
    SheetDocuments documents;
    if (request.count < 1 || request.count > kSheetMaxCount) {
        documents.error = "A sheet holds 1 to " + std::to_string(kSheetMaxCount) + " exercises";
        return documents;
    }
    // The exercises keep their solved states while the documents read them.
    std::deque<VantrellState> states;
    std::vector<SheetExercise> exercises;
    for (int i = 0; i < request.count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const ExerciseKind kind = request.kinds.empty()
                                      ? kExerciseKinds[index % std::size(kExerciseKinds)]
                                      : request.kinds[index % request.kinds.size()];
        const std::uint64_t seed = request.seed + index;
        ExerciseResult exercise = MakeExercise({kind, seed, 2, 3});
        if (!exercise.file) {
            documents.error = "Exercise " + std::to_string(i + 1) + ": " + exercise.error;
            return documents;
        }
        VantrellState& state = states.emplace_back();
        ApplyProblemFile(state, std::move(*exercise.file), "");
        state.mDisplay = {NumberStyle::Fractions, BigMStyle::Expressions};
        SilentPrompt prompt;
        SilentPresenter presenter;
        CalculatePrimal(state, prompt, presenter);
        exercises.push_back({&state, ToString(kind), seed});
    }
    documents.sheet = BuildExerciseSheet(exercises, request.seed, !request.separateKey);
    if (request.separateKey) {
        documents.key = BuildExerciseKey(exercises, request.seed);
    }
    return documents;
}

}  // namespace vantrell

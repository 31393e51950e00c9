#include "commands/file_commands.h"

#include "model/file_io.h"
#include "model/number_text.h"
#include "model/problem_file_reader.h"
#include "model/problem_file_writer.h"
#include "simplex/dual_builder.h"

namespace vantrell {
namespace {

bool HasInputs(const ProblemSet& problem) {
    return !problem.objective.empty() || !problem.constraints.empty();
}

void ReplacePrimal(VantrellState& state, ProblemFile& file, const std::string& path) {
    state.mProblemName = std::move(file.problemName);
    state.mFileName = path;
    state.mMinimize = file.minimize;
    state.mDecimalPlaces = file.decimalPlaces;
    // The slope belongs to the Objective Function dialog and is not in the file.
    state.mPrimal.objective = std::move(file.problem.objective);
    state.mPrimal.constraints = std::move(file.problem.constraints);
    state.mPrimal.constraintNames = std::move(file.problem.constraintNames);
    // Emptied here because rebuilding the dual of a problem without rows leaves its
    // constraints alone, and the old problem's dual rows must not survive.
    state.mDual.objective.clear();
    state.mDual.constraints.clear();
    state.mDual.constraintNames.clear();
    state.mSolved = false;
    state.mSizeFields.m = CFormat("%d", static_cast<int>(state.mPrimal.constraints.size()));
}

void RefreshDual(VantrellState& state) {
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    state.mSolutionLines.clear();
}

}  // namespace

void ApplyProblemFile(VantrellState& state, ProblemFile file, const std::string& path) {
    ReplacePrimal(state, file, path);
    RefreshDual(state);
}

FileDialogSpec OpenProblemDialog() {
    // Only opening falls back to the installed examples: they are read-only there.
    return FileDialogSpec{"../Vantrell/data/*.lp", "Output File (*.lp)", "*.lp", "", true};
}

FileDialogSpec SaveProblemDialog() {
    return FileDialogSpec{"../Vantrell/data/*.lp", "Output File (*.lp)", "*.lp", "lp"};
}

OpenResult OpenProblem(VantrellState& state, Prompt& prompt) {
    const auto path = prompt.ChooseFileToOpen(OpenProblemDialog());
    if (!path) {
        RefreshDual(state);
        return OpenResult::Cancelled;
    }
    // Read before the save question: the user gets the file as it was when chosen, even
    // when the current inputs are then saved over it.
    const auto content = ReadFileContent(*path);
    if (!content) {
        prompt.ShowMessage("Cannot open LP file");
        return OpenResult::Failed;
    }
    if (HasInputs(state.mPrimal) && prompt.AskYesNo("Do you want to save the current inputs?")) {
        SaveText(state, prompt);
    }
    ProblemFileReading reading = ReadProblemText(*content);
    for (const std::string& message : reading.messages) {
        prompt.ShowMessage(message);
    }
    if (!reading.file) {
        return OpenResult::Failed;
    }
    ApplyProblemFile(state, std::move(*reading.file), *path);
    return OpenResult::Opened;
}

bool SaveText(const VantrellState& state, Prompt& prompt) {
    const auto path = prompt.ChooseFileToSave(SaveProblemDialog());
    if (!path) {
        return false;
    }
    if (const auto error = WriteTextFileAtomically(*path, BuildProblemText(state))) {
        prompt.ShowMessage(*error);
        return false;
    }
    return true;
}

}  // namespace vantrell

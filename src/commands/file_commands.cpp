// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/file_commands.h"

#include "model/file_io.h"
#include "model/number_text.h"
#include "model/problem_file_reader.h"
#include "model/problem_file_writer.h"
#include "model/problem_limits.h"
#include "simplex/dual_builder.h"

namespace vantrell {
namespace {

bool HasInputs(const ProblemSet& problem) {
    return !problem.objective.empty() || !problem.constraints.empty();
}

// Moves only, so it cannot fail half-way.
void ReplacePrimal(VantrellState& state, ProblemFile& file, std::string path,
                   std::string sizeField) noexcept {
    state.mProblemName = std::move(file.problemName);
    state.mFileName = std::move(path);
    state.mMinimize = file.minimize;
    state.mDecimalPlaces = file.decimalPlaces;
    // The slope belongs to the Objective Function dialog and is not in the file.
    state.mPrimal.objective = std::move(file.problem.objective);
    state.mPrimal.constraints = std::move(file.problem.constraints);
    state.mPrimal.constraintNames = std::move(file.problem.constraintNames);
    state.mSolved = false;
    // The counts of the last run are no counts of this problem; m is known already.
    state.mSizeFields = SizeFields();
    state.mSizeFields.m = std::move(sizeField);
}

void RefreshDual(VantrellState& state) {
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    state.mSolutionLines.clear();
}

}  // namespace

void ApplyProblemFile(VantrellState& state, ProblemFile file, const std::string& path) {
    // Everything that allocates happens before the first member changes, so running out
    // of memory here leaves the previous problem whole.
    ProblemSet dual;
    RebuildDual(file.problem, file.minimize, dual);
    std::string fileName = path;
    std::string sizeField = CFormat("%d", static_cast<int>(file.problem.constraints.size()));
    ReplacePrimal(state, file, std::move(fileName), std::move(sizeField));
    state.mDual = std::move(dual);
    state.mSolutionLines.clear();
}

FileDialogSpec OpenProblemDialog() {
    // Only opening falls back to the installed examples: they are read-only there.
    return FileDialogSpec{"../Vantrell/data/*.lp", "Output File (*.lp)", "*.lp", "", true};
}

FileDialogSpec SaveProblemDialog() {
    return FileDialogSpec{"../Vantrell/data/*.lp", "Output File (*.lp)", "*.lp", "lp"};
}

void OfferToSave(const VantrellState& state, Prompt& prompt, bool unsaved) {
    if (unsaved && HasInputs(state.mPrimal) &&
        prompt.AskYesNo("Do you want to save the current inputs?")) {
        SaveText(state, prompt);
    }
}

OpenResult OpenProblem(VantrellState& state, Prompt& prompt, bool unsaved) {
    // Before the file dialog: the question is about the problem on screen, not the new one.
    OfferToSave(state, prompt, unsaved);
    const auto path = prompt.ChooseFileToOpen(OpenProblemDialog());
    if (!path) {
        RefreshDual(state);
        return OpenResult::Cancelled;
    }
    return OpenProblemAt(state, prompt, *path, false);
}

OpenResult OpenProblemAt(VantrellState& state, Prompt& prompt, const std::string& chosen,
                         bool unsaved) {
    const std::optional<std::string> path = chosen;
    // Read before the save question: the user gets the file as it was when chosen, even
    // when the current inputs are then saved over it.
    std::string reason;
    const auto content = ReadRegularFile(*path, kMaxProblemFileBytes, reason);
    if (!content) {
        prompt.ShowMessage("Cannot open LP file \"" + *path + "\": " + reason);
        return OpenResult::Failed;
    }
    OfferToSave(state, prompt, unsaved);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/interop_commands.h"

#include "interop/lp_formats.h"
#include "model/file_io.h"

namespace vantrell {

FileDialogSpec ImportProblemDialog() {
    return FileDialogSpec{"../Vantrell/data/*.lp", "CPLEX LP or free MPS (*.lp *.mps)",
                          "*.lp *.mps", ""};
}

FileDialogSpec ExportProblemDialog() {
    return FileDialogSpec{"../Vantrell/data/*.lp", "CPLEX LP or free MPS (*.lp *.mps)",
                          "*.lp *.mps", "lp"};
}

OpenResult ImportProblem(VantrellState& state, Prompt& prompt, int maxVariables) {
    const auto path = prompt.ChooseFileToOpen(ImportProblemDialog());
    if (!path) {
        return OpenResult::Cancelled;
    }
    ImportResult imported =
        ImportExchangeFile(*path, ExchangeFormatOfPath(*path), maxVariables, state.mDecimalPlaces);
    if (!imported.file) {
        prompt.ShowMessage(imported.message);
        return OpenResult::Failed;
    }
    const bool hasInputs = !state.mPrimal.objective.empty() || !state.mPrimal.constraints.empty();
    if (hasInputs && prompt.AskYesNo("Do you want to save the current inputs?")) {
        SaveText(state, prompt);
    }
    // No file name: the imported problem is new, and Save Text asks where it goes.
    ApplyProblemFile(state, std::move(*imported.file), "");
    prompt.ShowMessage(imported.message);
    return OpenResult::Opened;
}

bool ExportProblemAs(const VantrellState& state, Prompt& prompt) {
    const auto path = prompt.ChooseFileToSave(ExportProblemDialog());
    if (!path) {
        return false;
    }
    // The exchange formats are no problem file: written over it, the problem would be lost.
    if (const auto clash = OutputClash(*path, state.mFileName, "the problem file")) {
        prompt.ShowMessage(*clash);
        return false;
    }
    const ProblemFile problem{state.mProblemName, state.mDecimalPlaces, state.mMinimize,
                              state.mPrimal};
    std::string renames;
    if (const auto error =
            ExportProblemFile(*path, ExchangeFormatOfPath(*path), problem, &renames)) {
        prompt.ShowMessage(*error);
        return false;
    }
    if (!renames.empty()) {
        prompt.ShowMessage(renames);
    }
    return true;
}

}  // namespace vantrell

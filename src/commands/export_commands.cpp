// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/export_commands.h"

#include "model/file_io.h"

namespace vantrell {

FileDialogSpec ExportSolutionDialog() {
    return FileDialogSpec{"../Vantrell/out/*.out", "Output File (*.out)", "*.out", "out"};
}

void ExportSolution(const VantrellState& state, Prompt& prompt, const ReportClock& now) {
    // Kept runs of an earlier problem are no solution of this one.
    if (!state.mSolved || NoKeptRunIsCurrent(state)) {
        prompt.ShowMessage(kNotSolvedMessage);
        return;
    }
    const auto path = prompt.ChooseFileToSave(ExportSolutionDialog());
    if (!path) {
        return;
    }
    if (const auto clash = OutputClash(*path, state.mFileName, "the problem file")) {
        prompt.ShowMessage(*clash);
    } else if (const auto error = WriteTextFileAtomically(*path, BuildReport(state, now))) {
        prompt.ShowMessage(*error);
    }
}

}  // namespace vantrell

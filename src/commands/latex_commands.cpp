// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/latex_commands.h"

#include "export/latex_document.h"
#include "export/report_builder.h"
#include "model/file_io.h"

namespace vantrell {

FileDialogSpec ExportLatexDialog() {
    return FileDialogSpec{"../Vantrell/out/*.tex", "LaTeX File (*.tex)", "*.tex", "tex"};
}

void ExportLatex(const VantrellState& state, Prompt& prompt) {
    const std::int32_t kept = KeptRun(state, state.mSolvingDual).count;
    if (kept <= 0) {
        prompt.ShowMessage(kNotSolvedMessage);
        return;
    }
    // Said before a file is chosen: no choice of file would help.
    if (const auto refusal = LatexRefusal(state)) {
        prompt.ShowMessage(*refusal);
        return;
    }
    const auto path = prompt.ChooseFileToSave(ExportLatexDialog());
    if (!path) {
        return;
    }
    if (const auto clash = OutputClash(*path, state.mFileName, "the problem file")) {
        prompt.ShowMessage(*clash);
    } else if (const auto error =
                   WriteFileAtomically(*path, BuildLatexDocument(state, state.mSolvingDual))) {
        prompt.ShowMessage(*error);
    }
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/pdf_commands.h"

#include "model/file_io.h"

namespace vantrell {

FileDialogSpec ExportPdfDialog(const VantrellState& state) {
    FileDialogSpec dialog{"../Vantrell/out/*.pdf", "PDF File (*.pdf)", "*.pdf", "pdf"};
    dialog.title = "Export PDF";
    // The file's own name without its folder and extension; a name typed in the main
    // window may hold characters no file name should, so only its safe ones are kept.
    std::string stem = state.mFileName.substr(state.mFileName.find_last_of("/\\") + 1);
    stem = stem.substr(0, stem.rfind('.'));
    if (stem.empty()) {
        for (const char c : state.mProblemName) {
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                c == '-' || c == '_') {
                stem += c;
            } else if (c == ' ') {
                stem += '-';
            }
        }
    }
    dialog.suggestedName = (stem.empty() ? std::string("report") : stem) + ".pdf";
    return dialog;
}

bool ReportIsReady(const VantrellState& state, Prompt& prompt) {
    // Kept runs of an earlier problem are no solution of this one.
    if (!state.mSolved || NoKeptRunIsCurrent(state)) {
        prompt.ShowMessage(kNotSolvedMessage);
        return false;
    }
    return true;
}

bool WriteReportPdf(const VantrellState& state, Prompt& prompt, const ReportClock& now,
                    const PdfRenderer& render, const std::string& path) {
    if (const auto error = WriteFileAtomically(path, render(BuildReportDocument(state, now)))) {
        prompt.ShowMessage(*error);
        return false;
    }
    return true;
}

bool ExportReportPdf(const VantrellState& state, Prompt& prompt, const ReportClock& now,
                     const PdfRenderer& render) {
    if (!ReportIsReady(state, prompt)) {
        return false;
    }
    const auto path = prompt.ChooseFileToSave(ExportPdfDialog(state));
    return path && WriteReportPdf(state, prompt, now, render, *path);
}

}  // namespace vantrell

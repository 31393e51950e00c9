// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/pdf_commands.h"

#include "model/file_io.h"

namespace vantrell {

FileDialogSpec ExportPdfDialog() {
    return FileDialogSpec{"../Vantrell/out/*.pdf", "PDF File (*.pdf)", "*.pdf", "pdf"};
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
    const auto path = prompt.ChooseFileToSave(ExportPdfDialog());
    return path && WriteReportPdf(state, prompt, now, render, *path);
}

}  // namespace vantrell

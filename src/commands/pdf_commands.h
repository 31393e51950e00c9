// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "export/report_document.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The file dialog of Export PDF, titled so: the out folder, "*.pdf", extension "pdf", and
// the problem file's name with ".pdf" (else the problem's name, else "report.pdf").
FileDialogSpec ExportPdfDialog(const VantrellState& state);

// Makes the bytes of a PDF file from a report document; the windows paint it with Qt.
using PdfRenderer = std::function<std::string(const ReportDocument&)>;

// Whether a run has reached a result of the problem as it stands, as Export Solution
// asks; says so when not.
bool ReportIsReady(const VantrellState& state, Prompt& prompt);

// Export PDF: refuses as Export Solution does, then writes the report with its tableaus
// as a PDF to the chosen file, replacing it whole; a failure gets a message and the old
// file stays. Returns whether the file was written.
bool ExportReportPdf(const VantrellState& state, Prompt& prompt, const ReportClock& now,
                     const PdfRenderer& render);

// The same to a path given beforehand, for handouts made without a window.
bool WriteReportPdf(const VantrellState& state, Prompt& prompt, const ReportClock& now,
                    const PdfRenderer& render, const std::string& path);

}  // namespace vantrell

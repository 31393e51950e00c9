// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/report_builder.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The Save As dialog of the report: the out folder, "*.out", extension "out".
FileDialogSpec ExportSolutionDialog();

// Export Solution: refuses until a run has reached a result, then writes the report of
// the kept runs to the chosen file (CR LF line ends), replacing it whole. A file that
// cannot be written gets a message and the old file stays as it was.
void ExportSolution(const VantrellState& state, Prompt& prompt, const ReportClock& now);

}  // namespace vantrell

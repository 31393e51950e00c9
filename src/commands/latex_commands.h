// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The Save As dialog of the LaTeX export: the out folder, "*.tex", extension "tex".
FileDialogSpec ExportLatexDialog();

// Export Tableaus as LaTeX: refuses until a run has pages, then writes the last run's
// tableaus (primal or dual, as Save Excel takes them) as a LaTeX document, replacing the
// chosen file whole. A file that cannot be written gets a message and stays as it was.
void ExportLatex(const VantrellState& state, Prompt& prompt);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The Save As dialog of the workbook: the excel folder, "*.xlsx", extension "xlsx".
FileDialogSpec SaveExcelDialog();

// Writes the tableaus of the last run to path as a workbook. "Cannot write \"PATH\":
// reason" on failure; the file that was there stays as it was.
[[nodiscard]] std::optional<std::string> WriteExcelWorkbook(const VantrellState& state,
                                                            const std::string& path);

// Save Excel: refuses until a run has reached a result; otherwise offers to save the
// tableaus of the last run as a workbook and writes it at the chosen path, with a message
// when that fails. Cancel writes nothing. True when the sheet is to be shown, which it is
// after a cancel or a failed write too: the user still sees the tableaus.
bool SaveExcel(const VantrellState& state, Prompt& prompt);

}  // namespace vantrell

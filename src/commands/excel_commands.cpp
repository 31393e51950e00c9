// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/excel_commands.h"

#include "commands/main_commands.h"
#include "export/sheet_layout.h"
#include "export/workbook_writer.h"
#include "model/file_io.h"

namespace vantrell {

FileDialogSpec SaveExcelDialog() {
    return FileDialogSpec{"../excel/*.xlsx", "Output File (*.xlsx)", "*.xlsx", "xlsx"};
}

std::optional<std::string> WriteExcelWorkbook(const VantrellState& state, const std::string& path) {
    return CWebCalc(LayOutSheet(state).cells).SaveAs(path);
}

bool SaveExcel(const VantrellState& state, Prompt& prompt) {
    // The sheet lays out the last run, which must be a run of this problem.
    if (!state.mSolved || LastRunIsStale(state)) {
        prompt.ShowMessage(kSaveExcelNotSolvedMessage);
        return false;
    }
    const auto path = prompt.ChooseFileToSave(SaveExcelDialog());
    if (!path) {
        return true;
    }
    if (const auto clash = OutputClash(*path, state.mFileName, "the problem file")) {
        prompt.ShowMessage(*clash);
    } else if (const auto error = WriteExcelWorkbook(state, *path)) {
        prompt.ShowMessage(*error);
    }
    return true;
}

}  // namespace vantrell

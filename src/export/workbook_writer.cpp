// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/workbook_writer.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <system_error>

#include "model/file_io.h"

namespace vantrell {
namespace {

std::string SystemReason(int error) {
    return std::system_category().message(error);
}

// libxlsxwriter's words for its error. Where the file itself failed, the system's reason
// follows: "Zip generic error" alone does not tell a full disk from a missing folder.
std::string WorkbookReason(lxw_error error, int systemError) {
    std::string reason = lxw_strerror(error);
    const bool fileError = error == LXW_ERROR_CREATING_XLSX_FILE ||
                           error == LXW_ERROR_ZIP_FILE_OPERATION || error == LXW_ERROR_ZIP_CLOSE;
    if (fileError && systemError != 0) {
        reason += " " + SystemReason(systemError) + ".";
    }
    return reason;
}

}  // namespace

std::optional<std::string> CWebCalc::WriteWorkbook(const std::string& file) const {
    lxw_workbook* workbook = workbook_new(file.c_str());
    if (workbook == nullptr) {
        return lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_error error = sheet == nullptr ? LXW_ERROR_MEMORY_MALLOC_FAILED : LXW_NO_ERROR;
    for (const SheetCell& cell : mCells) {
        if (error != LXW_NO_ERROR) {
            break;
        }
        // Rows and columns count from 0 here. Always a string: "4.000" must stay the
        // tableau's text, not become the number 4.
        error = worksheet_write_string(sheet, static_cast<lxw_row_t>(cell.row - 1),
                                       static_cast<lxw_col_t>(cell.column - 1), cell.text.c_str(),
                                       nullptr);
    }
    if (error != LXW_NO_ERROR) {
        // Closing would write the file; a workbook with cells missing is not wanted.
        lxw_workbook_free(workbook);
        return WorkbookReason(error, 0);
    }
    errno = 0;
    error = workbook_close(workbook);  // writes the file and frees the workbook
    if (error != LXW_NO_ERROR) {
        return WorkbookReason(error, errno);
    }
    return std::nullopt;
}

std::optional<std::string> CWebCalc::SaveAs(const std::string& path) const {
    return ReplaceFile(path, [this](const std::string& file) { return WriteWorkbook(file); });
}

}  // namespace vantrell

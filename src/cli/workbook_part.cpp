// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook part of vantrell-cli (a shared module): Save Excel's writer, and with it
// libxlsxwriter, loaded only by report --xlsx.
#include "cli/command_parts.h"
#include "commands/excel_commands.h"

extern "C" const vantrell::cli::WorkbookPart* vantrell_workbook_part() {
    static const vantrell::cli::WorkbookPart part{vantrell::cli::kThisBuild,
                                                  &vantrell::WriteExcelWorkbook};
    return &part;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A workbook part as another version of the program would make it, which the loader must
// refuse rather than call.
#include "cli/command_parts.h"

extern "C" const vantrell::cli::WorkbookPart* vantrell_workbook_part() {
    static const vantrell::cli::WorkbookPart part{{"0.9", sizeof(vantrell::VantrellState)},
                                                  nullptr};
    return &part;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/vantrell_state.h"

namespace vantrell {

// One cell of the sheet, addressed as a spreadsheet does: row 1 and column 1 (A) first.
struct SheetCell {
    int row = 0;
    int column = 0;
    std::string text;

    bool operator==(const SheetCell&) const = default;
};

struct SheetLayout {
    std::vector<SheetCell> cells;  // page by page, line by line, cell by cell
    int rowCount = 0;              // the last row that holds a line
    int columnCount = 0;           // the rightmost column that holds a cell
};

// The tableaus of the last run, primal or dual, one below the other from row 1: each line
// takes one row, cell k of a line goes to column k + 2 (column A stays empty), and one
// empty row follows every page. Every cell keeps the page's text, numbers included.
SheetLayout LayOutSheet(const VantrellState& state);

// The spreadsheet name of a 1-based column: 1 is "A", 26 "Z", 27 "AA".
std::string ColumnLetters(int column);

}  // namespace vantrell

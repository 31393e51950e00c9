// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sheet_layout.h"

#include <algorithm>

#include "teach/exact_page_text.h"

namespace vantrell {

SheetLayout LayOutSheet(const VantrellState& state) {
    SheetLayout layout;
    int row = 1;
    ForEachCurrentPage(state, [&](const ShownPage& page) {
        for (const TableauPage::Line& line : page.Page().mRows) {
            int column = 2;
            for (const std::string& text : line) {
                layout.cells.push_back(SheetCell{row, column, text});
                layout.columnCount = std::max(layout.columnCount, column);
                ++column;
            }
            layout.rowCount = row;
            ++row;
        }
        ++row;  // the empty row between tableaus
    });
    return layout;
}

std::string ColumnLetters(int column) {
    std::string letters;
    // Bijective base 26: there is no zero digit, so "Z" is followed by "AA".
    for (int rest = column; rest > 0; rest = (rest - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    }
    return letters;
}

}  // namespace vantrell

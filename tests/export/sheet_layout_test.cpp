// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sheet_layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vantrell {
namespace {

// A page of the tableau's shape: the Cj line is shorter than the others.
TableauPage Page(const std::string& basis, const std::string& cb) {
    TableauPage page;
    page.mRows = {{"", "Cj", "-4.000", "(0.000, -1.000M)"},
                  {"Cb", "Basis", "Y1", "a1", "Bi", "Bi/Aij"},
                  {cb, basis, "1.000", "1.000", "3.000", "3.000"},
                  {"", "Zj", "(0.000, -1.000M)", "(0.000, -1.000M)"},
                  {"", "Cj-Zj", "(-4.000, 1.000M)", "(0.000, 0.000M)", "0.000"}};
    return page;
}

// The text of the cell at a row and column, or "<none>" where nothing is written.
std::string TextAt(const SheetLayout& sheet, int row, int column) {
    for (const SheetCell& cell : sheet.cells) {
        if (cell.row == row && cell.column == column)
            return cell.text;
    }
    return "<none>";
}

TEST(SheetLayout, PagesStandOneBelowTheOtherFromColumnB) {
    VantrellState state;
    EXPECT_TRUE(LayOutSheet(state).cells.empty());  // nothing before the first run
    state.mPages[0] = Page("a1", "(0.000, -1.000M)");
    state.mPages[1] = Page("Y1", "-4.000");
    state.mPages[2] = Page("stale", "9.000");  // left from a longer earlier run
    state.mTableauCount = 2;
    const SheetLayout sheet = LayOutSheet(state);
    EXPECT_EQ(sheet.cells.size(), 2u * 25u);
    EXPECT_EQ(sheet.rowCount, 11);
    EXPECT_EQ(sheet.columnCount, 7);
    // Page 1 in rows 1 to 5, row 6 empty, page 2 in rows 7 to 11; the short Cj line ends early.
    const std::tuple<int, int, const char*> expected[] = {
        {1, 5, "(0.000, -1.000M)"}, {1, 6, "<none>"}, {2, 2, "Cb"}, {7, 3, "Cj"}, {9, 3, "Y1"}};
    for (const auto& [row, column, text] : expected) {
        EXPECT_EQ(TextAt(sheet, row, column), text) << row << "," << column;
    }
    EXPECT_EQ(sheet.cells.back(), (SheetCell{11, 6, "0.000"}));
    for (const SheetCell& cell : sheet.cells) {
        EXPECT_TRUE(cell.row != 6 && cell.column >= 2 && cell.text != "stale") << cell.row;
    }
    state = VantrellState{};
    state.mTableauCount = kTableauPages + 5;  // no read past the page store
    state.mPages[kTableauPages - 1] = Page("X1", "3.000");
    const SheetLayout full = LayOutSheet(state);
    EXPECT_EQ(full.rowCount, (kTableauPages - 1) + 5);  // an empty page is one empty row
    EXPECT_EQ(TextAt(full, kTableauPages + 2, 3), "X1");
}

TEST(SheetLayout, ColumnLettersCountLikeASpreadsheet) {
    const std::pair<int, const char*> table[] = {{1, "A"},   {2, "B"},   {26, "Z"},   {27, "AA"},
                                                 {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}};
    for (const auto& [column, letters] : table)
        EXPECT_EQ(ColumnLetters(column), letters) << column;
}

}  // namespace
}  // namespace vantrell

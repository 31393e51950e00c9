#include "model/tableau_page.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrell {
namespace {

using Widths = std::vector<std::int32_t>;

TEST(TableauPageTest, CellsAlignRightOverTheWidestCellOfEachColumn) {
    TableauPage page;
    page.mRows = {{"", "Cj", "3.000"},
                  {"Cb", "Basis", "X1", "Bi", "Bi/Aij"},
                  {"0.000", "S1", "1.000", "4.000", "4.000"}};
    page.ComputeColumnWidths();
    EXPECT_EQ(page.mColumnWidths, (Widths{5, 5, 5, 5, 6}));
    EXPECT_EQ(page.LineText(0), "         Cj 3.000 ");
    EXPECT_EQ(page.LineText(1), "   Cb Basis    X1    Bi Bi/Aij ");
    EXPECT_EQ(page.LineText(2), "0.000    S1 1.000 4.000  4.000 ");
    EXPECT_EQ(page.LineText(3), "");

    // Pages with no constraint rows, or a third line narrower than others.
    page.mRows.pop_back();
    page.ComputeColumnWidths();
    EXPECT_EQ(page.mColumnWidths, (Widths{2, 5, 5, 2, 6}));
    EXPECT_EQ(page.LineText(1), "Cb Basis    X1 Bi Bi/Aij ");
    page.mRows = {{"a"}, {"b"}, {"c"}, {"dd", "eee"}};
    page.ComputeColumnWidths();
    EXPECT_EQ(page.mColumnWidths, (Widths{2, 3}));
    EXPECT_EQ(page.LineText(0), " a ");
}

TEST(TableauPageTest, CopiesTakeTheDataButNotTheWidths) {
    TableauPage source;
    source.mRows = {{"Cb", "Basis"}};
    source.mEntering = "X1";
    source.mLeaving = "S1";
    source.mPivotValue = 0.5;
    source.mZ = 12.0;
    source.ComputeColumnWidths();
    const TableauPage constructed(source);
    EXPECT_EQ(constructed.mRows, source.mRows);
    EXPECT_EQ(constructed.mEntering + constructed.mLeaving, "X1S1");
    EXPECT_EQ(constructed.mPivotValue * constructed.mZ, 6.0);
    EXPECT_TRUE(constructed.mColumnWidths.empty());
    TableauPage assigned;
    assigned.mColumnWidths = {1};
    assigned = source;
    EXPECT_EQ(assigned.mZ, 12.0);
    EXPECT_EQ(assigned.mColumnWidths, Widths{1});
}

}  // namespace
}  // namespace vantrell

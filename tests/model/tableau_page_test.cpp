#include "model/tableau_page.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrell {
namespace {

TableauPage ThreeLinePage() {
    TableauPage page;
    page.mRows = {{"", "Cj", "3.000"},
                  {"Cb", "Basis", "X1", "Bi", "Bi/Aij"},
                  {"0.000", "S1", "1.000", "4.000", "4.000"}};
    return page;
}

TEST(TableauPageTest, WidthsFollowTheLongestCellOfEachColumn) {
    TableauPage page = ThreeLinePage();
    page.ComputeColumnWidths();
    EXPECT_EQ(page.mColumnWidths, (std::vector<std::int32_t>{5, 5, 5, 5, 6}));
}

TEST(TableauPageTest, LineTextRightAlignsCellsAndEndsWithABlank) {
    TableauPage page = ThreeLinePage();
    page.ComputeColumnWidths();
    EXPECT_EQ(page.LineText(0),
              "      "
              "   Cj "
              "3.000 ");
    EXPECT_EQ(page.LineText(1), "   Cb Basis    X1    Bi Bi/Aij ");
    EXPECT_EQ(page.LineText(2), "0.000    S1 1.000 4.000  4.000 ");
    EXPECT_EQ(page.LineText(3), "");
}

// A page with no constraint rows: the third line is missing or narrower than others.
TEST(TableauPageTest, ShortPagesSizeWidthsToTheWidestLine) {
    TableauPage twoLines;
    twoLines.mRows = {{"", "Cj", "3.000"}, {"Cb", "Basis", "X1", "Bi", "Bi/Aij"}};
    twoLines.ComputeColumnWidths();
    EXPECT_EQ(twoLines.mColumnWidths, (std::vector<std::int32_t>{2, 5, 5, 2, 6}));
    EXPECT_EQ(twoLines.LineText(1), "Cb Basis    X1 Bi Bi/Aij ");

    TableauPage narrowThird;
    narrowThird.mRows = {{"a"}, {"b"}, {"c"}, {"dd", "eee"}};
    narrowThird.ComputeColumnWidths();
    EXPECT_EQ(narrowThird.mColumnWidths, (std::vector<std::int32_t>{2, 3}));
    EXPECT_EQ(narrowThird.LineText(0), " a ");
}

TEST(TableauPageTest, CopiesTakeTheDataButNotTheWidths) {
    TableauPage source = ThreeLinePage();
    source.mEntering = "X1";
    source.mLeaving = "S1";
    source.mPivotValue = 0.5;
    source.mZ = 12.0;
    source.ComputeColumnWidths();

    const TableauPage constructed(source);
    EXPECT_EQ(constructed.mRows, source.mRows);
    EXPECT_EQ(constructed.mEntering, "X1");
    EXPECT_EQ(constructed.mLeaving, "S1");
    EXPECT_EQ(constructed.mPivotValue, 0.5);
    EXPECT_EQ(constructed.mZ, 12.0);
    EXPECT_TRUE(constructed.mColumnWidths.empty());

    TableauPage assigned;
    assigned.mColumnWidths = {1};
    assigned = source;
    EXPECT_EQ(assigned.mRows, source.mRows);
    EXPECT_EQ(assigned.mZ, 12.0);
    EXPECT_EQ(assigned.mColumnWidths, (std::vector<std::int32_t>{1}));
}

}  // namespace
}  // namespace vantrell

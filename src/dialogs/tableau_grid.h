// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QStackedWidget>
#include <QTableWidget>
#include <optional>
#include <string>
#include <vector>

#include "model/tableau_page.h"

class QListWidget;

namespace vantrell {

// A tableau page as a table, one cell per number: the headings are the column headers, so
// they stay over their columns; the Cj row comes first, Zj and Cj-Zj last, and Z stands on
// the Zj row under Bi. The entering column is shaded and bold, the pivot cell shaded
// darker, bold and underlined, and the leaving row is the current row with an arrow in
// front of it: colour is never the only sign.
class TableauGrid : public QTableWidget {
    Q_OBJECT

  public:
    explicit TableauGrid(QWidget* parent = nullptr);

    // Shows the page, marking the column of heading cell `entering` and, where pivotRow is
    // a row of the page (0 the first constraint row), that row. Returns the size that shows
    // every cell.
    QSize ShowPage(const TableauPage& page, std::optional<std::size_t> entering, int pivotRow);

    // The table row of a page line, and back; -1 for the heading line or none.
    static int RowOfLine(std::size_t line);
    static int LineOfRow(int row);
    // The table column of the Z value: the Bi column.
    int ZColumn() const { return mZColumn; }

  private:
    int mZColumn = -1;
};

// Where a page window shows its tableau: the text lines ("tableauList") or the grid
// ("tableauGrid"), as the display options choose.
class TableauView : public QStackedWidget {
    Q_OBJECT

  public:
    explicit TableauView(QWidget* parent = nullptr);

    QListWidget* List() const { return mList; }
    TableauGrid* Grid() const { return mGrid; }
    bool ShowsGrid() const { return currentWidget() == mGrid; }

    // Shows the page in the grid or in the lines, with the page's entering column and the
    // pivot row (see ShowTableauLines); returns the size the page needs.
    QSize ShowPage(const TableauPage& page, int leavingRow, bool grid);
    // Shows lines of text that are no tableau, such as the setup of a run.
    void ShowLines(const std::vector<std::string>& lines);

  private:
    QListWidget* mList = nullptr;
    TableauGrid* mGrid = nullptr;
};

}  // namespace vantrell

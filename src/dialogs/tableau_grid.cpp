// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/tableau_grid.h"

#include <QFont>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "dialogs/tableau_marks.h"

namespace vantrell {
namespace {

const QColor kColumnShade(255, 214, 120);
const QColor kPivotShade(240, 160, 70);
// The lines before the first constraint row: Cj, then the headings.
constexpr std::size_t kHeadingLine = 1;
constexpr std::size_t kFirstRowLine = 2;
// What marks the leaving row, in front of it.
const QString kLeavingMark = QStringLiteral("\u2192");

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

TableauGrid::TableauGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName("tableauGrid");
    setAccessibleName(QStringLiteral("Tableau"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

int TableauGrid::RowOfLine(std::size_t line) {
    if (line == kHeadingLine) {
        return -1;
    }
    return line == 0 ? 0 : static_cast<int>(line) - 1;
}

int TableauGrid::LineOfRow(int row) {
    if (row < 0) {
        return -1;
    }
    return row == 0 ? 0 : row + 1;
}

QSize TableauGrid::ShowPage(const TableauPage& page, std::optional<std::size_t> entering,
                            int pivotRow) {
    clear();
    const std::size_t lines = page.mRows.size();
    if (lines <= kHeadingLine) {
        setRowCount(0);
        setColumnCount(0);
        mZColumn = -1;
        return {};
    }
    const TableauPage::Line& heading = page.mRows[kHeadingLine];
    setColumnCount(static_cast<int>(heading.size()));
    setRowCount(static_cast<int>(lines) - 1);
    // Bi is the second column from the right; the Cj-Zj line carries Z there.
    mZColumn = heading.size() >= 2 ? static_cast<int>(heading.size()) - 2 : -1;
    for (std::size_t c = 0; c < heading.size(); ++c) {
        auto* header = new QTableWidgetItem(QString::fromStdString(heading[c]));
        if (entering && c == *entering) {
            QFont bold = font();
            bold.setBold(true);
            header->setFont(bold);
        }
        setHorizontalHeaderItem(static_cast<int>(c), header);
    }
    const bool hasTotals = lines >= kFirstRowLine + 2;
    const std::size_t cjZjLine = lines - 1;
    const std::size_t zjLine = lines - 2;
    for (std::size_t line = 0; line < lines; ++line) {
        const int row = RowOfLine(line);
        if (row < 0) {
            continue;
        }
        setVerticalHeaderItem(row, new QTableWidgetItem(QString()));
        const TableauPage::Line& cells = page.mRows[line];
        // A line longer than the headings has no column for its extra cells.
        for (std::size_t c = 0; c < cells.size() && c < heading.size(); ++c) {
            // Z stands on the Zj row, as a textbook writes it.
            const bool isZ = hasTotals && line == cjZjLine && static_cast<int>(c) == mZColumn;
            setItem(isZ ? RowOfLine(zjLine) : row, static_cast<int>(c), Cell(cells[c]));
        }
    }
    if (mZColumn >= 0 && hasTotals) {
        if (QTableWidgetItem* z = item(RowOfLine(zjLine), mZColumn)) {
            z->setToolTip(QStringLiteral("Z"));
        }
    }
    // The first two columns hold names; they read from the left.
    for (int row = 0; row < rowCount(); ++row) {
        for (int c = 0; c < std::min(2, columnCount()); ++c) {
            if (QTableWidgetItem* name = item(row, c)) {
                name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
        }
    }

    const int pivotTableRow =
        pivotRow >= 0 ? RowOfLine(static_cast<std::size_t>(pivotRow) + kFirstRowLine) : -1;
    if (entering && static_cast<int>(*entering) < columnCount()) {
        const int column = static_cast<int>(*entering);
        for (int row = 0; row < rowCount(); ++row) {
            QTableWidgetItem* cell = item(row, column);
            if (cell == nullptr) {
                cell = Cell("");
                setItem(row, column, cell);
            }
            QFont marked = font();
            marked.setBold(true);
            marked.setUnderline(row == pivotTableRow);
            cell->setFont(marked);
            cell->setBackground(row == pivotTableRow ? kPivotShade : kColumnShade);
            cell->setForeground(QColor(Qt::black));
        }
    }
    if (pivotTableRow >= 0 && pivotTableRow < rowCount()) {
        verticalHeaderItem(pivotTableRow)->setText(kLeavingMark);
        verticalHeaderItem(pivotTableRow)->setToolTip(QStringLiteral("Leaving row"));
        setCurrentCell(pivotTableRow, 1);
    } else {
        setCurrentCell(-1, -1);
        clearSelection();
    }
    resizeColumnsToContents();
    resizeRowsToContents();

    int width = verticalHeader()->sizeHint().width() + 2 * frameWidth() +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int c = 0; c < columnCount(); ++c) {
        width += columnWidth(c);
    }
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth() +
                 style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int row = 0; row < rowCount(); ++row) {
        height += rowHeight(row);
    }
    return {width, height};
}

TableauView::TableauView(QWidget* parent) : QStackedWidget(parent) {
    setObjectName("tableauView");
    mList = new QListWidget(this);
    mList->setObjectName("tableauList");
    mList->setAccessibleName(QStringLiteral("Tableau"));
    SetUpTableauList(mList);
    mGrid = new TableauGrid(this);
    addWidget(mList);
    addWidget(mGrid);
    setFocusProxy(mList);
}

void TableauView::ShowLines(const std::vector<std::string>& lines) {
    setCurrentWidget(mList);
    setFocusProxy(mList);
    mGrid->setRowCount(0);
    mList->clear();
    for (const std::string& line : lines) {
        mList->addItem(QString::fromStdString(line));
    }
}

QSize TableauView::ShowPage(const TableauPage& page, int leavingRow, bool grid) {
    setCurrentWidget(grid ? static_cast<QWidget*>(mGrid) : mList);
    setFocusProxy(currentWidget());
    if (grid) {
        mList->clear();
        return mGrid->ShowPage(page, page.EnteringColumn(), leavingRow);
    }
    mGrid->setRowCount(0);
    const int width = ShowTableauLines(mList, page, leavingRow);
    const int lines = mList->count() + 1;
    return {width, lines * mList->fontMetrics().lineSpacing()};
}

}  // namespace vantrell

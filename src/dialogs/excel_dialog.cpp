// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/excel_dialog.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/ui_fonts.h"
#include "export/sheet_layout.h"

namespace vantrell {

CExcelDlg::CExcelDlg(const VantrellState& state, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Excel Dialog"));
    setObjectName("excelDialog");
    setFont(FixedDialogFont());
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    BuildLayout();
    FillSheet(state);
}

void CExcelDlg::BuildLayout() {
    mSheet = new QTableWidget(this);
    mSheet->setObjectName("sheetTable");
    mSheet->setAccessibleName(QStringLiteral("Tableaus"));
    mSheet->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // The sheet takes the whole window but a 10-pixel strip on the right and at the bottom,
    // and follows every resize.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 10, 10);
    layout->addWidget(mSheet);
    resize(760, 490);
}

void CExcelDlg::FillSheet(const VantrellState& state) {
    const SheetLayout layout = LayOutSheet(state);
    mSheet->setRowCount(layout.rowCount);
    mSheet->setColumnCount(layout.columnCount);
    QStringList columnNames;
    for (int column = 1; column <= layout.columnCount; ++column) {
        columnNames << QString::fromStdString(ColumnLetters(column));
    }
    mSheet->setHorizontalHeaderLabels(columnNames);
    for (const SheetCell& cell : layout.cells) {
        mSheet->setItem(cell.row - 1, cell.column - 1,
                        new QTableWidgetItem(QString::fromStdString(cell.text)));
    }
    // Big-M texts such as "(0.000, -1.000M)" are read whole, without widening by hand.
    mSheet->resizeColumnsToContents();
}

}  // namespace vantrell

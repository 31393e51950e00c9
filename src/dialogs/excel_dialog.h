// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "model/vantrell_state.h"

class QTableWidget;

namespace vantrell {

// Shows the tableaus of the last run as the saved workbook holds them: one line per row,
// starting in column B, an empty row between tableaus. Read-only: the sheet is a picture
// of the workbook, and nothing typed here would reach the file.
class CExcelDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CExcelDlg(const VantrellState& state, QWidget* parent = nullptr);

  private:
    void BuildLayout();
    void FillSheet(const VantrellState& state);

    QTableWidget* mSheet = nullptr;
};

}  // namespace vantrell

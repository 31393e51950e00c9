// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "teach/sensitivity.h"

class QTableWidget;

namespace vantrell {

// "Sensitivity": what the final tableau of an optimal run says, one read-only table per
// section: each constraint's shadow price and right-hand-side range, each variable's
// reduced cost and cost range. The numbers come from the core; the window only shows them.
class CSensitivityDlg : public QDialog {
    Q_OBJECT

  public:
    CSensitivityDlg(const CurrentSensitivity& current, const NoteNumbers& numbers,
                    QWidget* parent = nullptr);

  private:
    QTableWidget* AddTable(const SensitivityTable& table, const QString& name);
};

}  // namespace vantrell

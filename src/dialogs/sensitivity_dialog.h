// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "teach/sensitivity.h"

class QTableWidget;

namespace vantrell {

// "Sensitivity": what the final tableau of an optimal run says, one read-only table per
// section: each constraint's shadow price and right-hand-side range, each variable's
// reduced cost and cost range; after a primal run, where the dual sits in its final tableau
// (duality, one line each). The numbers come from the core; the window only shows them.
class CSensitivityDlg : public QDialog {
    Q_OBJECT

  public:
    CSensitivityDlg(const CurrentSensitivity& current, const NoteNumbers& numbers,
                    QWidget* parent = nullptr, const std::vector<std::string>& duality = {});

  private:
    QTableWidget* AddTable(const SensitivityTable& table, const QString& name);
};

}  // namespace vantrell

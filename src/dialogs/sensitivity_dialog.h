// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

#include "teach/sensitivity.h"

class QLineEdit;
class QListWidget;
class QTableWidget;

namespace vantrell {

// "Sensitivity": what the final tableau of an optimal run says, one read-only table per
// section: each constraint's shadow price and right-hand-side range, each variable's
// reduced cost and cost range; after a primal run, where the dual sits in its final tableau
// (duality, one line each) and, given whatIf, a field for changes in the command line's
// syntax whose check and pages show in a list. The numbers come from the core; the window
// only shows them.
class CSensitivityDlg : public QDialog {
    Q_OBJECT

  public:
    // The lines of the changes typed, as the core's WhatIfLines gives them.
    using WhatIfFunction = std::function<std::vector<std::string>(const std::string&)>;

    CSensitivityDlg(const CurrentSensitivity& current, const NoteNumbers& numbers,
                    QWidget* parent = nullptr, const std::vector<std::string>& duality = {},
                    WhatIfFunction whatIf = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableWidget* AddTable(const SensitivityTable& table, const QString& name);
    void ApplyWhatIf();

    WhatIfFunction mWhatIf;
    QLineEdit* mWhatIfField = nullptr;
    QListWidget* mWhatIfList = nullptr;
};

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "model/prompt.h"
#include "model/tableau_page.h"
#include "model/vantrell_state.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantrell {

// Shows one tableau page of a run: its lines, the entering and leaving variable, the pivot
// and Z. Next leaves the page; on the run's last page it asks first. Escape and the close
// box leave without asking.
class CTableauDlg : public QDialog {
    Q_OBJECT

  public:
    CTableauDlg(const TableauPage& page, const VantrellState& state, Prompt& prompt,
                QWidget* parent = nullptr);

    // Next: closes the page, after the last-page question when the run has ended.
    void OnNext();
    // The page's note, shown under the table; empty hides it.
    void SetNote(const QString& note);

  private:
    void BuildLayout();
    void FillFields(const TableauPage& page);
    // Sizes the window to the page; longest is the widest line in pixels.
    void FitToPage(int longest);

    const VantrellState& mState;
    Prompt& mPrompt;
    QLineEdit* mIterationField = nullptr;
    QLineEdit* mZField = nullptr;
    QLineEdit* mLeavingField = nullptr;
    QLineEdit* mEnteringField = nullptr;
    QLineEdit* mPivotField = nullptr;
    QListWidget* mTableauList = nullptr;
    QPushButton* mNextButton = nullptr;
    QLabel* mNoteLabel = nullptr;
};

}  // namespace vantrell

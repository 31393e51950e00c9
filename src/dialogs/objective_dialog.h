// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "dialogs/main_views.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QRadioButton;

namespace vantrell {

// "Objective Function Dialog": builds the primal objective term by term and sets the sense.
// Every press writes into the state at once; there is no Ok or Cancel, and closing (Esc or
// the close box) keeps everything. Enter does nothing.
class CObjectiveDlg : public QDialog {
    Q_OBJECT

  public:
    CObjectiveDlg(VantrellState& state, MainViews& views, Prompt& prompt,
                  QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildLayout();
    void Open();
    void ShowCoefficient(int item);
    void AddTerm();
    void Clear();
    void Refresh();
    void SetMinimize(bool minimize);
    void SelectVariable(int item);

    VantrellState& mState;
    MainViews& mViews;
    Prompt& mPrompt;
    QLineEdit* mCoefficientEdit = nullptr;
    QComboBox* mVariableBox = nullptr;
    QLineEdit* mObjectiveText = nullptr;
    QLineEdit* mSlopeFraction = nullptr;
    QLineEdit* mSlopeValue = nullptr;
    QRadioButton* mMinimizeButton = nullptr;
    QRadioButton* mMaximizeButton = nullptr;
};

}  // namespace vantrell

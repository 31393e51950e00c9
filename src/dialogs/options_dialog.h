// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "model/prompt.h"
#include "model/vantrell_state.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vantrell {

// "Options Dialog": the number of decimal places, the dual display, and how numbers and
// big-M values are shown. The duality box changes the state at the click and Cancel (or
// Escape) puts it back; the decimal count and the display are only handed back, through
// DecimalPlaces() and Display() after exec() returned Accepted, for the main window to apply
// and redraw.
class COptionsDlg : public QDialog {
    Q_OBJECT

  public:
    COptionsDlg(VantrellState& state, Prompt& prompt, QWidget* parent = nullptr);

    // The count accepted by Ok (never negative, at most kMaxDecimalPlaces); before Ok the
    // count the dialog was opened with.
    int DecimalPlaces() const { return mDecimalPlaces; }
    // The number and big-M display accepted by Ok; before Ok the one it was opened with.
    DisplayOptions Display() const { return mDisplay; }
    // The explain mode and the pivot rule accepted by Ok; before Ok the ones it was opened
    // with.
    bool Explain() const { return mExplain; }
    PivotRule Rule() const { return mRule; }
    // Big M, two-phase or the dual simplex method, accepted by Ok.
    SolveMethod Method() const { return mMethod; }
    // How much of each pivot practice asks, accepted by Ok.
    PracticeLevel Level() const { return mLevel; }

    void reject() override;

  private:
    void BuildLayout();
    void OnOk();
    void OnHelp();

    VantrellState& mState;
    Prompt& mPrompt;
    int mDecimalPlaces;
    bool mOpenedDuality;
    QLineEdit* mDecimalEdit = nullptr;
    QCheckBox* mDualityBox = nullptr;
    DisplayOptions mDisplay;
    QComboBox* mNumbersBox = nullptr;
    QComboBox* mBigMBox = nullptr;
    bool mExplain;
    PivotRule mRule;
    SolveMethod mMethod;
    QComboBox* mMethodBox = nullptr;
    QCheckBox* mGridBox = nullptr;
    QCheckBox* mExplainBox = nullptr;
    QComboBox* mRuleBox = nullptr;
    PracticeLevel mLevel;
    QComboBox* mLevelBox = nullptr;
};

}  // namespace vantrell

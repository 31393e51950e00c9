// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "commands/constraint_editing.h"
#include "dialogs/main_views.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace vantrell {

// "Constraints Dialog": adds a constraint variable by variable, or, when a line of the
// main window's primal list is selected, changes that constraint. The main window's
// selection is asked at every press. Add Con writes into the state and redraws the main
// window at once; closing (Esc or the close box) keeps everything. Enter does nothing.
class CConstraintsDlg : public QDialog {
    Q_OBJECT

  public:
    CConstraintsDlg(VantrellState& state, MainViews& views, Prompt& prompt,
                    QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildLayout();
    void Open();
    void ShowMode();
    void ShowCoefficient(int item);
    void AddVariable();
    void AddConstraint();
    ConstraintFields Fields() const;

    MainViews& mViews;
    Prompt& mPrompt;
    ConstraintEditor mEditor;
    QLineEdit* mNameEdit = nullptr;
    QLineEdit* mCoefficientEdit = nullptr;
    QComboBox* mVariableBox = nullptr;
    QComboBox* mRelationBox = nullptr;
    QLineEdit* mRhsEdit = nullptr;
    QLineEdit* mPreviewText = nullptr;
    QLabel* mModeLabel = nullptr;
};

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/objective_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "commands/objective_editing.h"
#include "dialogs/input_widgets.h"

namespace vantrell {
namespace {

// Room for an objective of several terms before the field scrolls.
constexpr int kObjectiveFieldChars = 60;
constexpr int kSlopeFieldChars = 16;

int CharsWide(const QWidget* widget, int chars) {
    return widget->fontMetrics().averageCharWidth() * chars;
}

}  // namespace

CObjectiveDlg::CObjectiveDlg(VantrellState& state, MainViews& views, Prompt& prompt,
                             QWidget* parent)
    : QDialog(parent), mState(state), mViews(views), mPrompt(prompt) {
    setWindowTitle(QStringLiteral("Objective Function Dialog"));
    BuildLayout();
    Open();
}

void CObjectiveDlg::BuildLayout() {
    mCoefficientEdit = MakeInputField(QStringLiteral("coefficientEdit"), this);
    mVariableBox = MakeItemBox(VariableItems(), QStringLiteral("variableBox"), this);
    auto* clearButton =
        MakePressButton(QStringLiteral("Clear"), QStringLiteral("clearButton"), this);
    auto* addButton = MakePressButton(QStringLiteral("Add"), QStringLiteral("addButton"), this);

    mObjectiveText = MakeShownField(QStringLiteral("objectiveText"), true, this);
    mObjectiveText->setMinimumWidth(CharsWide(mObjectiveText, kObjectiveFieldChars));
    mSlopeFraction = MakeShownField(QStringLiteral("slopeFraction"), false, this);
    mSlopeFraction->setMinimumWidth(CharsWide(mSlopeFraction, kSlopeFieldChars));
    mSlopeValue = MakeShownField(QStringLiteral("slopeValue"), false, this);
    mSlopeValue->setMinimumWidth(CharsWide(mSlopeValue, kSlopeFieldChars));

    mMinimizeButton = new QRadioButton(QStringLiteral("Minimize"), this);
    mMinimizeButton->setObjectName(QStringLiteral("minimizeButton"));
    mMaximizeButton = new QRadioButton(QStringLiteral("Maximize"), this);
    mMaximizeButton->setObjectName(QStringLiteral("maximizeButton"));

    // Only a pick by the user shows the variable's coefficient; the dialog's own moves of
    // the selection keep what the field holds.
    NameForScreenReaders(mCoefficientEdit, QStringLiteral("Coefficient"));
    NameForScreenReaders(mVariableBox, QStringLiteral("Variable"));
    NameForScreenReaders(mObjectiveText, QStringLiteral("Objective function"));

    connect(mVariableBox, &QComboBox::activated, this, &CObjectiveDlg::ShowCoefficient);
    connect(addButton, &QPushButton::clicked, this, &CObjectiveDlg::AddTerm);
    connect(clearButton, &QPushButton::clicked, this, &CObjectiveDlg::Clear);
    connect(mMinimizeButton, &QRadioButton::clicked, this, [this] { SetMinimize(true); });
    connect(mMaximizeButton, &QRadioButton::clicked, this, [this] { SetMinimize(false); });

    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(new QLabel(QStringLiteral("Z ="), this));
    inputRow->addWidget(mCoefficientEdit, 1);
    inputRow->addWidget(mVariableBox);
    inputRow->addWidget(clearButton);
    inputRow->addWidget(addButton);
    inputRow->addSpacing(CharsWide(this, 2));
    inputRow->addWidget(mMinimizeButton);
    inputRow->addWidget(mMaximizeButton);

    auto* slopeRow = new QHBoxLayout;
    slopeRow->addWidget(new QLabel(QStringLiteral("Slope (M) = "), this));
    slopeRow->addWidget(mSlopeFraction);
    slopeRow->addWidget(new QLabel(QStringLiteral("="), this));
    slopeRow->addWidget(mSlopeValue);
    slopeRow->addStretch(1);

    auto* objectiveRow = new QHBoxLayout;
    objectiveRow->addWidget(new QLabel(QStringLiteral("Z ="), this));
    objectiveRow->addWidget(mObjectiveText, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputRow);
    layout->addLayout(slopeRow);
    layout->addLayout(objectiveRow);
}

void CObjectiveDlg::Open() {
    SelectVariable(0);
    mMinimizeButton->setChecked(mState.mMinimize);
    mMaximizeButton->setChecked(!mState.mMinimize);
    if (!mState.mPrimal.objective.empty()) {
        SetText(mCoefficientEdit,
                ObjectiveCoefficientText(mState.mPrimal, 0, mState.mDecimalPlaces));
        Refresh();
    }
}

void CObjectiveDlg::ShowCoefficient(int item) {
    if (item < 0) {
        return;
    }
    SetText(mCoefficientEdit,
            ObjectiveCoefficientText(mState.mPrimal, item, mState.mDecimalPlaces));
}

void CObjectiveDlg::AddTerm() {
    const VariablePress press =
        AddObjectiveTerm(mState.mPrimal, TextOf(mVariableBox), TextOf(mCoefficientEdit), mPrompt);
    if (!press.done) {
        mVariableBox->setFocus();
        return;
    }
    Refresh();
    mViews.ShowPrimalConstraints();
    mViews.ShowPrimalObjective();
    mViews.RebuildDual();
    mViews.ShowDualObjective();
    SelectVariable(press.nextItem);
}

void CObjectiveDlg::Clear() {
    ClearObjective(mState.mPrimal, mPrompt);
    // The main window redraws when the dialog closes.
    Refresh();
    SelectVariable(0);
    mCoefficientEdit->setText(QStringLiteral("0.0"));
}

void CObjectiveDlg::Refresh() {
    const ObjectiveFields fields = RefreshObjective(mState.mPrimal, mState.mDecimalPlaces);
    if (fields.slope) {
        mState.mPrimal.slope = *fields.slope;  // the plot reads the slope shown here
    }
    SetText(mObjectiveText, fields.objective);
    SetText(mSlopeFraction, fields.slopeFraction);
    SetText(mSlopeValue, fields.slopeValue);
}

void CObjectiveDlg::SetMinimize(bool minimize) {
    mState.mMinimize = minimize;
}

void CObjectiveDlg::SelectVariable(int item) {
    SelectItem(mVariableBox, item);
}

void CObjectiveDlg::keyPressEvent(QKeyEvent* event) {
    // Enter neither adds nor closes; the dialog has no default action.
    if (IsEnterKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vantrell

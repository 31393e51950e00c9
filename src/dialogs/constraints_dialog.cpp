// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/constraints_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "commands/objective_editing.h"
#include "dialogs/input_widgets.h"

namespace vantrell {
namespace {

constexpr int kPreviewFieldChars = 70;
constexpr int kNumberFieldChars = 10;

int CharsWide(const QWidget* widget, int chars) {
    return widget->fontMetrics().averageCharWidth() * chars;
}

}  // namespace

CConstraintsDlg::CConstraintsDlg(VantrellState& state, MainViews& views, Prompt& prompt,
                                 QWidget* parent)
    : QDialog(parent), mViews(views), mPrompt(prompt), mEditor(state, views.SelectedConstraint()) {
    setWindowTitle(QStringLiteral("Constraints Dialog"));
    BuildLayout();
    Open();
}

void CConstraintsDlg::BuildLayout() {
    mNameEdit = MakeInputField(QStringLiteral("nameEdit"), this);
    mCoefficientEdit = MakeInputField(QStringLiteral("coefficientEdit"), this);
    mCoefficientEdit->setMinimumWidth(CharsWide(mCoefficientEdit, kNumberFieldChars));
    mVariableBox = MakeItemBox(VariableItems(), QStringLiteral("variableBox"), this);
    mRelationBox = MakeItemBox(RelationItems(), QStringLiteral("relationBox"), this);
    mRhsEdit = MakeInputField(QStringLiteral("rhsEdit"), this);
    mRhsEdit->setMinimumWidth(CharsWide(mRhsEdit, kNumberFieldChars));
    auto* addVarButton =
        MakePressButton(QStringLiteral("Add Var"), QStringLiteral("addVarButton"), this);
    auto* addConButton =
        MakePressButton(QStringLiteral("Add Con"), QStringLiteral("addConButton"), this);
    mPreviewText = MakeShownField(QStringLiteral("previewText"), false, this);
    mPreviewText->setMinimumWidth(CharsWide(mPreviewText, kPreviewFieldChars));

    // Only a pick by the user shows the variable's coefficient; the dialog's own moves of
    // the selection keep what the field holds.
    NameForScreenReaders(mNameEdit, QStringLiteral("Name"));
    NameForScreenReaders(mCoefficientEdit, QStringLiteral("Coefficient"));
    NameForScreenReaders(mVariableBox, QStringLiteral("Variable"));
    NameForScreenReaders(mRelationBox, QStringLiteral("Relation"));
    NameForScreenReaders(mRhsEdit, QStringLiteral("Right-hand side"));

    connect(mVariableBox, &QComboBox::activated, this, &CConstraintsDlg::ShowCoefficient);
    connect(addVarButton, &QPushButton::clicked, this, &CConstraintsDlg::AddVariable);
    connect(addConButton, &QPushButton::clicked, this, &CConstraintsDlg::AddConstraint);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Name"), this));
    nameRow->addWidget(mNameEdit, 1);

    // Each field has its label above it, so a student sees where the right-hand side goes.
    auto* termRow = new QGridLayout;
    const std::pair<const char*, QWidget*> labelled[] = {{"&Coefficient", mCoefficientEdit},
                                                         {"&Variable", mVariableBox},
                                                         {"R&elation", mRelationBox},
                                                         {"&Right-hand side", mRhsEdit}};
    int column = 0;
    for (const auto& [caption, field] : labelled) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(field);
        termRow->addWidget(label, 0, column);
        termRow->addWidget(field, 1, column);
        ++column;
    }
    termRow->setColumnStretch(0, 1);
    termRow->setColumnStretch(3, 1);
    termRow->addWidget(addVarButton, 1, column++);
    termRow->addWidget(addConButton, 1, column);
    mModeLabel = new QLabel(this);
    mModeLabel->setObjectName(QStringLiteral("modeLabel"));

    auto* previewRow = new QHBoxLayout;
    previewRow->addWidget(new QLabel(QStringLiteral("Constraint"), this));
    previewRow->addWidget(mPreviewText, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mModeLabel);
    layout->addLayout(nameRow);
    layout->addLayout(termRow);
    layout->addLayout(previewRow);
}

void CConstraintsDlg::Open() {
    const ConstraintOpenFields fields = mEditor.OpenFields();
    SetText(mNameEdit, fields.name);
    SetText(mCoefficientEdit, fields.coefficient);
    SetText(mRhsEdit, fields.rhs);
    SelectItem(mVariableBox, fields.variable);
    SelectItem(mRelationBox, fields.relation);
    ShowMode();
}

void CConstraintsDlg::ShowMode() {
    mModeLabel->setText(QString::fromStdString(mEditor.ModeText(mViews.SelectedConstraint())));
}

void CConstraintsDlg::ShowCoefficient(int item) {
    if (const auto text = mEditor.CoefficientText(item)) {
        SetText(mCoefficientEdit, *text);
    }
}

ConstraintFields CConstraintsDlg::Fields() const {
    return {TextOf(mNameEdit), TextOf(mCoefficientEdit), TextOf(mVariableBox), TextOf(mRelationBox),
            TextOf(mRhsEdit)};
}

void CConstraintsDlg::AddVariable() {
    const auto result = mEditor.AddVariable(mViews.SelectedConstraint(), Fields(), mPrompt);
    if (!result.done) {
        return;
    }
    SetText(mPreviewText, result.preview);
    SelectItem(mVariableBox, result.nextItem);
    if (result.relation >= 0) {
        SelectItem(mRelationBox, result.relation);
    }
}

void CConstraintsDlg::AddConstraint() {
    if (!mEditor.AddConstraint(mViews.SelectedConstraint(), Fields(), mPrompt)) {
        return;
    }
    // The rebuilt list has no selection, so the next press adds a new constraint.
    mViews.ShowPrimalConstraints();
    mViews.ShowPrimalObjective();
    mViews.RebuildDual();
    mViews.ShowDualObjective();
    mCoefficientEdit->clear();
    mRhsEdit->clear();
    SelectItem(mVariableBox, 0);
    SelectItem(mRelationBox, kLessEqual);
    SetText(mPreviewText, mEditor.PendingPreview());
    ShowMode();
}

void CConstraintsDlg::keyPressEvent(QKeyEvent* event) {
    // Enter neither adds nor closes; the dialog has no default action.
    if (IsEnterKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vantrell

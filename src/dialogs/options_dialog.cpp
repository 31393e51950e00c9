// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/options_input.h"
#include "dialogs/ui_fonts.h"

namespace vantrell {

COptionsDlg::COptionsDlg(VantrellState& state, Prompt& prompt, QWidget* parent)
    : QDialog(parent),
      mState(state),
      mPrompt(prompt),
      mDecimalPlaces(state.mDecimalPlaces),
      mOpenedDuality(state.mDisplayDuality),
      mDisplay(state.mDisplay),
      mExplain(state.mExplain),
      mRule(state.mPivotRule),
      mMethod(state.mMethod),
      mLevel(state.mPracticeLevel) {
    setWindowTitle(QStringLiteral("Options Dialog"));
    setFont(FixedDialogFont());
    BuildLayout();
}

void COptionsDlg::BuildLayout() {
    auto* label = new QLabel(QStringLiteral("Number of decimal places"), this);
    mDecimalEdit = new QLineEdit(QString::number(mDecimalPlaces), this);
    mDecimalEdit->setObjectName(QStringLiteral("decimalEdit"));
    label->setBuddy(mDecimalEdit);
    auto* hint = new QLabel(QString::fromStdString(DecimalRangeHint()), this);
    hint->setObjectName(QStringLiteral("decimalHint"));

    mDualityBox = new QCheckBox(QStringLiteral("Display Duality"), this);
    mDualityBox->setObjectName(QStringLiteral("dualityBox"));
    mDualityBox->setChecked(mState.mDisplayDuality);
    // The box mirrors the state: a click changes it at once; Cancel puts it back.
    connect(mDualityBox, &QCheckBox::toggled, this,
            [this](bool checked) { mState.mDisplayDuality = checked; });

    // Labels with mnemonics give each box a key; the items keep the enums' order.
    auto* numbersLabel = new QLabel(QStringLiteral("&Numbers"), this);
    mNumbersBox = new QComboBox(this);
    mNumbersBox->setObjectName(QStringLiteral("numbersBox"));
    mNumbersBox->setAccessibleName(QStringLiteral("Numbers"));
    mNumbersBox->addItems({QStringLiteral("Decimals"), QStringLiteral("Fractions")});
    mNumbersBox->setCurrentIndex(static_cast<int>(mDisplay.numbers));
    numbersLabel->setBuddy(mNumbersBox);
    auto* bigMLabel = new QLabel(QStringLiteral("&Big M values"), this);
    mBigMBox = new QComboBox(this);
    mBigMBox->setObjectName(QStringLiteral("bigMBox"));
    mBigMBox->setAccessibleName(QStringLiteral("Big M values"));
    mBigMBox->addItems({QStringLiteral("Pairs"), QStringLiteral("Expressions")});
    mBigMBox->setCurrentIndex(static_cast<int>(mDisplay.bigM));
    bigMLabel->setBuddy(mBigMBox);

    mGridBox = new QCheckBox(QStringLiteral("Decimal tableaus as a &grid"), this);
    mGridBox->setObjectName(QStringLiteral("gridBox"));
    mGridBox->setAccessibleName(QStringLiteral("Decimal tableaus as a grid"));
    mGridBox->setChecked(mDisplay.decimalGrid);

    mExplainBox = new QCheckBox(QStringLiteral("&Explain each step"), this);
    mExplainBox->setObjectName(QStringLiteral("explainBox"));
    mExplainBox->setAccessibleName(QStringLiteral("Explain each step"));
    mExplainBox->setChecked(mExplain);
    auto* ruleLabel = new QLabel(QStringLiteral("Pivot &rule"), this);
    mRuleBox = new QComboBox(this);
    mRuleBox->setObjectName(QStringLiteral("ruleBox"));
    mRuleBox->setAccessibleName(QStringLiteral("Pivot rule"));
    for (const PivotRule rule : {PivotRule::LargestCjZj, PivotRule::SmallestIndex}) {
        mRuleBox->addItem(QString::fromUtf8(PivotRuleName(rule)));
    }
    mRuleBox->setCurrentIndex(static_cast<int>(mRule));
    ruleLabel->setBuddy(mRuleBox);
    auto* methodLabel = new QLabel(QStringLiteral("&Method"), this);
    mMethodBox = new QComboBox(this);
    mMethodBox->setObjectName(QStringLiteral("methodBox"));
    mMethodBox->setAccessibleName(QStringLiteral("Method"));
    for (const SolveMethod method :
         {SolveMethod::BigM, SolveMethod::TwoPhase, SolveMethod::DualSimplex}) {
        mMethodBox->addItem(QString::fromUtf8(SolveMethodName(method)));
    }
    mMethodBox->setCurrentIndex(static_cast<int>(mMethod));
    methodLabel->setBuddy(mMethodBox);
    auto* levelLabel = new QLabel(QStringLiteral("&Practice"), this);
    mLevelBox = new QComboBox(this);
    mLevelBox->setObjectName(QStringLiteral("practiceLevelBox"));
    mLevelBox->setAccessibleName(QStringLiteral("Practice level"));
    mLevelBox->addItems({QStringLiteral("Choices"), QStringLiteral("Row operations"),
                         QStringLiteral("Next tableau")});
    mLevelBox->setCurrentIndex(static_cast<int>(mLevel));
    levelLabel->setBuddy(mLevelBox);

    auto* okButton = new QPushButton(QStringLiteral("Ok"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);
    auto* helpButton = new QPushButton(QStringLiteral("Help"), this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &COptionsDlg::OnOk);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &COptionsDlg::OnHelp);

    auto* fields = new QGridLayout;
    fields->addWidget(label, 0, 0, 1, 2);
    fields->addWidget(mDecimalEdit, 1, 0);
    fields->addWidget(hint, 1, 1);
    fields->addWidget(mDualityBox, 2, 0, 1, 2);
    fields->addWidget(numbersLabel, 3, 0);
    fields->addWidget(mNumbersBox, 3, 1);
    fields->addWidget(bigMLabel, 4, 0);
    fields->addWidget(mBigMBox, 4, 1);
    fields->addWidget(mGridBox, 5, 0, 1, 2);
    fields->addWidget(mExplainBox, 6, 0, 1, 2);
    fields->addWidget(ruleLabel, 7, 0);
    fields->addWidget(mRuleBox, 7, 1);
    fields->addWidget(methodLabel, 8, 0);
    fields->addWidget(mMethodBox, 8, 1);
    fields->addWidget(levelLabel, 9, 0);
    fields->addWidget(mLevelBox, 9, 1);
    fields->setRowStretch(9, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COptionsDlg::OnOk() {
    const DecimalPlacesInput input = ReadDecimalPlaces(mDecimalEdit->text().toStdString());
    if (!input.places) {
        mPrompt.ShowMessage(input.message);
        mDecimalEdit->setFocus();
        mDecimalEdit->selectAll();
        return;
    }
    mDecimalPlaces = *input.places;
    mDisplay.numbers = static_cast<NumberStyle>(mNumbersBox->currentIndex());
    mDisplay.bigM = static_cast<BigMStyle>(mBigMBox->currentIndex());
    mDisplay.decimalGrid = mGridBox->isChecked();
    mExplain = mExplainBox->isChecked();
    mRule = static_cast<PivotRule>(mRuleBox->currentIndex());
    mMethod = static_cast<SolveMethod>(mMethodBox->currentIndex());
    mLevel = static_cast<PracticeLevel>(mLevelBox->currentIndex());
    accept();
}

void COptionsDlg::reject() {
    // The main window keeps showing the dual as it was, so the state must say the same.
    mState.mDisplayDuality = mOpenedDuality;
    QDialog::reject();
}

void COptionsDlg::OnHelp() {
    mPrompt.ShowMessage(OptionsHelpText());
}

}  // namespace vantrell

#include "dialogs/tableau_dialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/ui_fonts.h"
#include "model/number_text.h"

namespace vantrell {
namespace {

QLineEdit* ReadOnlyField(const char* name, const char* accessibleName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(QString::fromUtf8(accessibleName));
    field->setReadOnly(true);
    return field;
}

// The framework's standard text of a double: up to 15 significant digits.
QString DoubleText(double value) {
    return QString::fromStdString(CFormat("%.15g", value));
}

// Room around an item's text: the delegate's margins on both sides.
constexpr int kItemMargin = 8;

}  // namespace

CTableauDlg::CTableauDlg(const TableauPage& page, const VantrellState& state, Prompt& prompt,
                         QWidget* parent)
    : QDialog(parent), mState(state), mPrompt(prompt) {
    setWindowTitle(QStringLiteral("Tableau Dialog"));
    setObjectName("tableauDialog");
    setFont(FixedDialogFont());
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    BuildLayout();
    FillFields(page);
}

void CTableauDlg::BuildLayout() {
    mIterationField = ReadOnlyField("iterationField", "Iteration", this);
    mZField = ReadOnlyField("zField", "Z", this);
    mLeavingField = ReadOnlyField("leavingField", "Leaving variable", this);
    mEnteringField = ReadOnlyField("enteringField", "Entering variable", this);
    mPivotField = ReadOnlyField("pivotField", "Pivot Value", this);
    mNextButton = new QPushButton(QStringLiteral("Next"), this);
    mNextButton->setObjectName("nextButton");
    mNextButton->setDefault(true);
    connect(mNextButton, &QPushButton::clicked, this, &CTableauDlg::OnNext);

    mTableauList = new QListWidget(this);
    mTableauList->setObjectName("tableauList");
    mTableauList->setAccessibleName(QStringLiteral("Tableau"));
    mTableauList->setSelectionMode(QAbstractItemView::SingleSelection);
    mTableauList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mTableauList->setMinimumSize(560, 180);
    resize(820, 340);

    auto* fields = new QGridLayout;
    fields->addWidget(mIterationField, 0, 0, 1, 4);
    fields->addWidget(new QLabel(QStringLiteral("Z ="), this), 0, 4, Qt::AlignRight);
    fields->addWidget(mZField, 0, 5);
    fields->addWidget(mNextButton, 0, 6);
    fields->addWidget(mLeavingField, 1, 0);
    fields->addWidget(new QLabel(QStringLiteral("leaves"), this), 1, 1);
    fields->addWidget(mEnteringField, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("enters"), this), 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Pivot Value"), this), 1, 4, Qt::AlignRight);
    fields->addWidget(mPivotField, 1, 5);
    fields->setColumnStretch(0, 1);
    fields->setColumnStretch(2, 1);
    fields->setColumnMinimumWidth(3, 90);  // keeps "enters" clear of "Pivot Value"

    // Tab goes along the top row first, then the second row, then the tableau.
    QWidget::setTabOrder(mIterationField, mZField);
    QWidget::setTabOrder(mZField, mNextButton);
    QWidget::setTabOrder(mNextButton, mLeavingField);
    QWidget::setTabOrder(mLeavingField, mEnteringField);
    QWidget::setTabOrder(mEnteringField, mPivotField);
    QWidget::setTabOrder(mPivotField, mTableauList);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(mTableauList, 1);
}

void CTableauDlg::FillFields(const TableauPage& page) {
    mLeavingField->setText(QString::fromStdString(page.mLeaving));
    mEnteringField->setText(QString::fromStdString(page.mEntering));
    mPivotField->setText(DoubleText(page.mPivotValue));
    mZField->setText(DoubleText(page.mZ));

    // Every line has the fixed font's height, so the list need not shape each long line to
    // measure it: all items take the widest line's size, measured once.
    const std::vector<std::string> lines = page.Lines();
    std::size_t widest = 0;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        widest = std::max(widest, lines[line].size());
    }
    const QFontMetrics metrics(mTableauList->font());
    const QSize itemSize(
        metrics.horizontalAdvance(QString(static_cast<qsizetype>(widest), u'0')) + kItemMargin,
        metrics.height());
    mTableauList->setUniformItemSizes(true);
    for (const std::string& line : lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line), mTableauList);
        item->setSizeHint(itemSize);
    }
    if (mState.mLeavingRow != -1) {
        // The first two lines are the Cj line and the headings; the pivot row follows.
        mTableauList->setCurrentRow(mState.mLeavingRow + 2);
    }
    const char* format =
        mState.mSolvingDual ? "Solving Dual: Iteration: %d" : "Solving Primal: Iteration: %d";
    mIterationField->setText(QString::fromStdString(CFormat(format, mState.mTableauCount)));
}

void CTableauDlg::OnNext() {
    if (mState.mDone && !mPrompt.AskYesNo(LastPageQuestion(mState.mRunOutcome))) {
        return;
    }
    accept();
}

}  // namespace vantrell

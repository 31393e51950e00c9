// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/tableau_dialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPoint>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "dialogs/tableau_marks.h"
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
    mTableauList->setItemDelegate(new TableauMarksDelegate(mTableauList));

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

    // The note reads as text; Tab reaches it after the tableau so a screen reader can too.
    mNoteLabel = new QLabel(this);
    mNoteLabel->setObjectName(QStringLiteral("noteLabel"));
    mNoteLabel->setAccessibleName(QStringLiteral("Step note"));
    mNoteLabel->setWordWrap(true);
    mNoteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mNoteLabel->setFocusPolicy(Qt::TabFocus);
    mNoteLabel->hide();
    QWidget::setTabOrder(mTableauList, mNoteLabel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(mTableauList, 1);
    layout->addWidget(mNoteLabel);
}

void CTableauDlg::SetNote(const QString& note) {
    mNoteLabel->setText(note);
    mNoteLabel->setVisible(!note.isEmpty());
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
    for (const std::string& line : lines) {
        widest = std::max(widest, line.size());
    }
    const QFontMetrics metrics(mTableauList->font());
    const int widestPixels =
        metrics.horizontalAdvance(QString(static_cast<qsizetype>(widest), u'0'));
    const QSize itemSize(widestPixels + kItemMargin, metrics.height());
    mTableauList->setUniformItemSizes(true);

    const std::optional<std::size_t> entering = page.EnteringColumn();
    const TableauPage::Span span = entering ? page.ColumnSpan(*entering) : TableauPage::Span{};
    // The first two lines are the Cj line and the headings; the pivot row follows.
    const int pivotLine = mState.mLeavingRow != -1 ? mState.mLeavingRow + 2 : -1;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        auto* item = new QListWidgetItem(QString::fromStdString(lines[line]));
        item->setSizeHint(itemSize);
        if (entering) {
            item->setData(kEnteringSpanRole,
                          QPoint(static_cast<int>(span.start), static_cast<int>(span.length)));
            item->setData(kPivotRowRole, static_cast<int>(line) == pivotLine);
        }
        mTableauList->addItem(item);
    }
    if (pivotLine != -1) {
        mTableauList->setCurrentRow(pivotLine);
    }
    FitToPage(widestPixels);
    const char* format =
        mState.mSolvingDual ? "Solving Dual: Iteration: %d" : "Solving Primal: Iteration: %d";
    mIterationField->setText(QString::fromStdString(CFormat(format, mState.mTableauCount)));
}

void CTableauDlg::FitToPage(int longest) {
    // Wide and tall enough for every line, Bi and Bi/Aij included, up to the screen.
    const QFontMetrics metrics(mTableauList->font());
    const int chrome = 2 * mTableauList->frameWidth() + 8 +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const int lines = mTableauList->count() + 1;
    const int listHeight = lines * metrics.lineSpacing() + 2 * mTableauList->frameWidth() +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize wanted(std::max(820, longest + chrome),
                 std::max(340, listHeight + layout()->itemAt(0)->sizeHint().height() + 40));
    if (const QScreen* screen = this->screen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    }
    resize(wanted);
}

void CTableauDlg::OnNext() {
    if (mState.mDone && !mPrompt.AskYesNo(LastPageQuestion(mState.mRunOutcome))) {
        return;
    }
    accept();
}

}  // namespace vantrell

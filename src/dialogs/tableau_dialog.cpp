// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/tableau_dialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
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
#include <utility>

#include "dialogs/input_widgets.h"
#include "dialogs/tableau_grid.h"
#include "dialogs/tableau_marks.h"
#include "dialogs/ui_fonts.h"
#include "model/number_text.h"
#include "teach/run_review.h"

namespace vantrell {
namespace {

// The framework's standard text of a double: up to 15 significant digits.
QString DoubleText(double value) {
    return QString::fromStdString(CFormat("%.15g", value));
}

}  // namespace

CTableauDlg::CTableauDlg(const TableauPage& page, const VantrellState& state, Prompt& prompt,
                         QWidget* parent)
    : QDialog(parent),
      mState(state),
      mPrompt(prompt),
      mNewest(page),
      mShown(std::max(state.mTableauCount - 1, 0)),
      mNewestIndex(mShown) {
    setWindowTitle(QStringLiteral("Tableau Dialog"));
    setObjectName("tableauDialog");
    setFont(FixedDialogFont());
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    setProperty(kSizedToContent, true);
    BuildLayout();
    FitToPage(FillFields(page, state.mLeavingRow, state.mTableauCount));
    UpdatePager();
}

void CTableauDlg::BuildLayout() {
    mIterationField = MakeReadOnlyField("iterationField", "Iteration", this);
    mZField = MakeReadOnlyField("zField", "Z", this);
    mLeavingField = MakeReadOnlyField("leavingField", "Leaving variable", this);
    mEnteringField = MakeReadOnlyField("enteringField", "Entering variable", this);
    mPivotField = MakeReadOnlyField("pivotField", "Pivot Value", this);
    mNextButton = new QPushButton(QStringLiteral("Next"), this);
    mNextButton->setObjectName("nextButton");
    mNextButton->setDefault(true);
    connect(mNextButton, &QPushButton::clicked, this, &CTableauDlg::OnNext);
    const auto addButton = [this](const char* text, const char* name, void (CTableauDlg::*slot)()) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    mHomeButton = addButton("&Home", "homeButton", &CTableauDlg::OnHome);
    mBackButton = addButton("&Back", "backButton", &CTableauDlg::OnBack);
    mEndButton = addButton("&End", "endButton", &CTableauDlg::OnEnd);
    mHomeButton->setAccessibleName(QStringLiteral("First page"));
    mBackButton->setAccessibleName(QStringLiteral("Previous page"));
    mEndButton->setAccessibleName(QStringLiteral("Newest page"));
    mStopButton = addButton("&Stop", "stopButton", &CTableauDlg::OnStop);
    mStopButton->setAccessibleName(QStringLiteral("Stop the run"));
    mStopButton->setToolTip(QStringLiteral("End the run here; its tableaus stay for review"));

    mTableauView = new TableauView(this);
    mTableauView->setMinimumSize(560, 180);

    auto* fields = new QGridLayout;
    fields->addWidget(mIterationField, 0, 0, 1, 4);
    fields->addWidget(new QLabel(QStringLiteral("Z ="), this), 0, 4, Qt::AlignRight);
    fields->addWidget(mZField, 0, 5);
    auto* pager = new QHBoxLayout;
    pager->addWidget(mHomeButton);
    pager->addWidget(mBackButton);
    pager->addWidget(mNextButton);
    pager->addWidget(mEndButton);
    fields->addLayout(pager, 0, 6);
    AddPivotFieldsRow(fields, mLeavingField, mEnteringField, mPivotField);
    fields->addWidget(mStopButton, 1, 6, Qt::AlignRight);
    // The fields keep their texts whole however narrow the page is.
    const QFontMetrics metrics(font());
    mIterationField->setMinimumWidth(
        metrics.horizontalAdvance(QStringLiteral("Solving Primal: Iteration: 30 (Phase II)")) + 12);
    for (QLineEdit* name : {mLeavingField, mEnteringField}) {
        name->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("X10000")));
    }
    fields->setColumnMinimumWidth(3, 90);  // keeps "enters" clear of "Pivot Value"

    // Tab goes along the top row first, then the second row, then the tableau.
    QWidget::setTabOrder(mIterationField, mZField);
    QWidget::setTabOrder(mZField, mHomeButton);
    QWidget::setTabOrder(mHomeButton, mBackButton);
    QWidget::setTabOrder(mBackButton, mNextButton);
    QWidget::setTabOrder(mNextButton, mEndButton);
    QWidget::setTabOrder(mEndButton, mStopButton);
    QWidget::setTabOrder(mStopButton, mLeavingField);
    QWidget::setTabOrder(mLeavingField, mEnteringField);
    QWidget::setTabOrder(mEnteringField, mPivotField);
    QWidget::setTabOrder(mPivotField, mTableauView->List());
    QWidget::setTabOrder(mTableauView->List(), mTableauView->Grid());

    // The note reads as text; Tab reaches it after the tableau so a screen reader can too.
    mNoteLabel = new QLabel(this);
    mNoteLabel->setObjectName(QStringLiteral("noteLabel"));
    mNoteLabel->setAccessibleName(QStringLiteral("Step note"));
    mNoteLabel->setWordWrap(true);
    mNoteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mNoteLabel->setFocusPolicy(Qt::TabFocus);
    mNoteLabel->hide();
    QWidget::setTabOrder(mTableauView->Grid(), mNoteLabel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(mTableauView, 1);
    layout->addWidget(mNoteLabel);
}

void CTableauDlg::SetNewestTexts(std::string pivot, std::string z) {
    mNewestPivot = std::move(pivot);
    mNewestZ = std::move(z);
    if (mShown == mNewestIndex) {
        FillFields(mNewest, mState.mLeavingRow, mNewestIndex + 1, mNewestPivot, mNewestZ);
    }
}

void CTableauDlg::ShowAsDecidingPage() {
    mDeciding = true;
    mNewestIndex = std::max(mState.mTableauCount, 0);
    mShown = mNewestIndex;
    FitToPage(FillFields(mNewest, -1, mNewestIndex + 1, mNewestPivot, mNewestZ));
    UpdatePager();
    ShowNote();
}

void CTableauDlg::SetNotes(std::vector<std::string> notes) {
    mNotes = std::move(notes);
    ShowNote();
}

void CTableauDlg::ShowNote() {
    const auto shown = static_cast<std::size_t>(mShown);
    const QString note = shown < mNotes.size() ? QString::fromStdString(mNotes[shown]) : QString();
    mNoteLabel->setText(note);
    mNoteLabel->setVisible(!note.isEmpty());
}

QSize CTableauDlg::FillFields(const TableauPage& page, int leavingRow, int iteration,
                              const std::string& pivotText, const std::string& zText) {
    mLeavingField->setText(QString::fromStdString(page.mLeaving));
    mEnteringField->setText(QString::fromStdString(page.mEntering));
    // Fractions and M expressions show in the fields as in the cells; decimals as always.
    const bool cellTexts = !mState.mDisplay.IsDefault() && !zText.empty();
    mPivotField->setText(cellTexts ? QString::fromStdString(pivotText)
                                   : DoubleText(page.mPivotValue));
    mZField->setText(cellTexts ? QString::fromStdString(zText) : DoubleText(page.mZ));
    mIterationField->setText(
        QString::fromStdString(IterationText(mState.mSolvingDual, iteration, page.mPhase)));
    return mTableauView->ShowPage(page, leavingRow, mState.mDisplay.ShowsGrid());
}

void CTableauDlg::ShowProduced(int index) {
    mShown = std::clamp(index, 0, mNewestIndex);
    if (mShown == mNewestIndex) {
        FillFields(mNewest, mState.mLeavingRow, mNewestIndex + 1, mNewestPivot, mNewestZ);
    } else {
        mEarlier = DisplayedRunPage(mState, static_cast<std::size_t>(mShown));
        const TableauPage& page = mEarlier.Page();
        FillFields(page, LeavingRowOf(page), mShown + 1, mEarlier.pivotText, mEarlier.zText);
    }
    UpdatePager();
    ShowNote();
    if (isVisible()) {
        emit PageShown(mShown);
    }
}

void CTableauDlg::UpdatePager() {
    mHomeButton->setEnabled(mShown > 0);
    mBackButton->setEnabled(mShown > 0);
    mEndButton->setEnabled(mShown < mNewestIndex);
    // A run that has ended, or is ending on its deciding page, has nothing left to stop.
    mStopButton->setEnabled(!mState.mDone && !mDeciding);
}

void CTableauDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    emit PageShown(mShown);
}

void CTableauDlg::OnBack() {
    ShowProduced(mShown - 1);
}

void CTableauDlg::OnHome() {
    ShowProduced(0);
}

void CTableauDlg::OnEnd() {
    ShowProduced(mNewestIndex);
}

void CTableauDlg::FitToPage(QSize page) {
    // Wide and tall enough for every line, Bi and Bi/Aij included, up to the screen.
    const QListWidget* list = mTableauView->List();
    const int frame = mTableauView->ShowsGrid() ? 0 : 2 * list->frameWidth();
    const int chrome = frame + 8 + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const int listHeight = page.height() + frame + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize wanted(std::max(820, page.width() + chrome),
                 std::max(340, listHeight + layout()->itemAt(0)->sizeHint().height() + 40));
    if (const QScreen* screen = this->screen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    }
    resize(wanted);
}

void CTableauDlg::OnStop() {
    if (mState.mDone || mDeciding) {
        return;
    }
    mStopRequested = true;
    accept();
}

void CTableauDlg::OnNext() {
    if (mShown < mNewestIndex) {
        ShowProduced(mShown + 1);
        return;
    }
    if (mState.mDone && !mPrompt.AskYesNo(LastPageQuestion(mState.mRunOutcome))) {
        return;
    }
    accept();
}

}  // namespace vantrell

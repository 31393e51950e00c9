// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/review_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/input_widgets.h"
#include "dialogs/tableau_grid.h"
#include "dialogs/tableau_marks.h"
#include "dialogs/ui_fonts.h"
#include "model/number_text.h"
#include "model/run_outcome.h"
#include "teach/exact_page_text.h"
#include "teach/run_explanation.h"
#include "teach/run_review.h"
#include "teach/run_story.h"

namespace vantrell {
namespace {

QPushButton* Button(const char* text, const char* name, const char* accessibleName,
                    QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(name);
    button->setAccessibleName(QString::fromUtf8(accessibleName));
    button->setAutoDefault(false);
    return button;
}

// The review window at the left of the screen's free area, the plot at its right, so
// neither covers the other; on a narrow screen they share its width, the plot taking at
// least two fifths.
void PlaceSideBySide(QWidget* review, QWidget* plot) {
    const QScreen* screen = review->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize reviewFrame = review->frameGeometry().size() - review->size();
    const QSize plotFrame = plot->frameGeometry().size() - plot->size();
    int reviewWidth = review->width() + reviewFrame.width();
    int plotWidth = plot->width() + plotFrame.width();
    if (reviewWidth + plotWidth > free.width()) {
        plotWidth = std::max(free.width() * 2 / 5, free.width() - reviewWidth);
        reviewWidth = free.width() - plotWidth;
    }
    const auto height = [&free](const QWidget* window, const QSize& frame) {
        return std::min(window->height(), free.height() - frame.height());
    };
    // A window keeps at least its least size, so the plot goes where the review ends.
    review->resize(reviewWidth - reviewFrame.width(), height(review, reviewFrame));
    review->move(free.topLeft());
    plot->resize(plotWidth - plotFrame.width(), height(plot, plotFrame));
    plot->move(review->frameGeometry().right() + 1, free.top());
}

}  // namespace

CReviewDlg::CReviewDlg(VantrellState& state, Prompt& prompt, PlotSource primalPlot, QWidget* parent)
    : QDialog(parent), mState(state), mPrompt(prompt), mPrimalPlot(std::move(primalPlot)) {
    setWindowTitle(QStringLiteral("Review Tableaus"));
    setObjectName("reviewDialog");
    setFont(FixedDialogFont());
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    BuildLayout();
    resize(900, 480);
}

void CReviewDlg::BuildLayout() {
    mPrimalButton = new QRadioButton(QStringLiteral("P&rimal"), this);
    mPrimalButton->setObjectName("primalRunButton");
    mPrimalButton->setAccessibleName(QStringLiteral("Primal run"));
    mDualButton = new QRadioButton(QStringLiteral("&Dual"), this);
    mDualButton->setObjectName("dualRunButton");
    mDualButton->setAccessibleName(QStringLiteral("Dual run"));
    connect(mPrimalButton, &QRadioButton::clicked, this, [this] { ShowRun(false); });
    connect(mDualButton, &QRadioButton::clicked, this, [this] { ShowRun(true); });

    mPageList = new QListWidget(this);
    mPageList->setObjectName("pageList");
    mPageList->setAccessibleName(QStringLiteral("Pages"));
    mPageList->setMaximumWidth(340);
    connect(mPageList, &QListWidget::currentRowChanged, this, &CReviewDlg::ShowRow);
    auto* pagesLabel = new QLabel(QStringLiteral("P&ages"), this);
    pagesLabel->setBuddy(mPageList);

    mIterationField = MakeReadOnlyField("iterationField", "Iteration", this);
    mZField = MakeReadOnlyField("zField", "Z", this);
    mLeavingField = MakeReadOnlyField("leavingField", "Leaving variable", this);
    mEnteringField = MakeReadOnlyField("enteringField", "Entering variable", this);
    mPivotField = MakeReadOnlyField("pivotField", "Pivot Value", this);
    mTableauView = new TableauView(this);
    mTableauView->setMinimumSize(480, 180);

    mHomeButton = Button("&Home", "homeButton", "First page", this);
    mBackButton = Button("&Back", "backButton", "Previous page", this);
    mNextButton = Button("&Next", "nextButton", "Next page", this);
    mEndButton = Button("&End", "endButton", "Last page", this);
    mPlotButton = Button("&Plot", "plotButton", "Plot the path", this);
    auto* closeButton = Button("Close", "closeButton", "Close", this);
    connect(mHomeButton, &QPushButton::clicked, this, [this] { SelectPage(FirstPage()); });
    connect(mBackButton, &QPushButton::clicked, this, [this] { SelectPage(mShown - 1); });
    connect(mNextButton, &QPushButton::clicked, this, [this] { SelectPage(mShown + 1); });
    connect(mEndButton, &QPushButton::clicked, this, [this] { SelectPage(PageCount() - 1); });
    connect(mPlotButton, &QPushButton::clicked, this, &CReviewDlg::OpenPlot);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* runs = new QHBoxLayout;
    runs->addWidget(mPrimalButton);
    runs->addWidget(mDualButton);
    runs->addStretch();
    for (QPushButton* button :
         {mHomeButton, mBackButton, mNextButton, mEndButton, mPlotButton, closeButton}) {
        runs->addWidget(button);
    }

    auto* fields = new QGridLayout;
    fields->addWidget(mIterationField, 0, 0, 1, 4);
    fields->addWidget(new QLabel(QStringLiteral("Z ="), this), 0, 4, Qt::AlignRight);
    fields->addWidget(mZField, 0, 5);
    AddPivotFieldsRow(fields, mLeavingField, mEnteringField, mPivotField);

    auto* pages = new QVBoxLayout;
    pages->addWidget(pagesLabel);
    pages->addWidget(mPageList, 1);
    // Read-only text a keyboard user can still reach and select.
    const auto addText = [this](const char* name, const char* accessible) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setAccessibleName(QString::fromUtf8(accessible));
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setFocusPolicy(Qt::TabFocus);
        label->hide();
        return label;
    };
    mNoteLabel = addText("noteLabel", "Step note");
    mPracticeLabel = addText("practiceLabel", "Practice answers");
    auto* page = new QVBoxLayout;
    page->addLayout(fields);
    page->addWidget(mTableauView, 1);
    page->addWidget(mNoteLabel);
    page->addWidget(mPracticeLabel);
    auto* body = new QHBoxLayout;
    body->addLayout(pages);
    body->addLayout(page, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(runs);
    layout->addLayout(body, 1);
}

bool CReviewDlg::Reload() {
    const std::vector<bool> runs = ReviewableRuns(mState);
    mPrimalButton->setEnabled(std::find(runs.begin(), runs.end(), false) != runs.end());
    mDualButton->setEnabled(std::find(runs.begin(), runs.end(), true) != runs.end());
    if (runs.empty()) {
        mPages.clear();
        mPath.reset();
        mPageList->clear();
        mTableauView->ShowPage(TableauPage{}, -1, mState.mDisplay.ShowsGrid());
        mNotes.clear();
        mNoteLabel->hide();
        mPracticeLabel->hide();
        mShown = -1;
        return false;
    }
    ShowRun(ReviewOpensDual(mState));
    // The arrow keys page through the run from the start.
    mPageList->setFocus();
    return true;
}

void CReviewDlg::ShowRun(bool dual) {
    mDual = dual;
    mPrimalButton->setChecked(!dual);
    mDualButton->setChecked(dual);
    mPages.clear();
    mFieldTexts.clear();
    for (const ShownPage& shown : DisplayedKeptPages(mState, dual)) {
        mPages.push_back(shown.Page());
        mFieldTexts.emplace_back(shown.pivotText, shown.zText);
    }
    // An unbounded run ends with the tableau that decides it; a stopped one where it stopped.
    const bool stopped = KeptRun(mState, dual).outcome == RunOutcome::Stopped;
    if (const auto deciding =
            stopped ? std::nullopt
                    : DecidingPage(KeptExactRun(mState, dual), static_cast<int>(mPages.size()),
                                   mState.mDisplay, mState.mDecimalPlaces)) {
        mPages.push_back(*deciding);
        mFieldTexts.emplace_back(std::string(), deciding->mRows.back().back());
    }
    mPath = KeptRunPath(mState, dual);
    const RunExplanation explanation = ExplainKeptRun(mState, dual);
    mNotes = explanation.notes;
    for (const std::string& special : explanation.special) {
        if (!mNotes.empty()) {
            mNotes.back() += "\n" + special;
        }
    }
    if (const auto duality = StrongDualityLine(mState, NoteNumbersOf(mState));
        duality && !mNotes.empty()) {
        mNotes.back() += "\n" + *duality;
    }
    mSetup = SetupLines(mState, dual, NoteNumbersOf(mState));
    // A stopped run ends on a page the exact run went past: its note says where it ended.
    if (stopped && !mPages.empty()) {
        mNotes.resize(std::max(mNotes.size(), mPages.size()));
        std::string& last = mNotes[mPages.size() - 1];
        last += (last.empty() ? "" : "\n") + OutcomeSolutionText(RunOutcome::Stopped);
    }
    QStringList practice;
    for (const std::string& line : KeptRun(mState, dual).record.practice) {
        practice << QString::fromStdString(line);
    }
    mPracticeLabel->setText(practice.join(QLatin1Char('\n')));
    mPracticeLabel->setVisible(!practice.isEmpty());
    mPlotButton->setEnabled(mPath.has_value());
    mShown = -1;
    {
        const QSignalBlocker quiet(mPageList);
        mPageList->clear();
        if (!mSetup.empty()) {
            mPageList->addItem(QStringLiteral("Setup: the first tableau"));
        }
        for (std::size_t k = 0; k < mPages.size(); ++k) {
            mPageList->addItem(
                QString::fromStdString(PageListLine(mPages[k], static_cast<int>(k))));
        }
    }
    // Wide enough for the longest line, so the list keeps its text in view.
    int widest = 0;
    for (int row = 0; row < mPageList->count(); ++row) {
        widest = std::max(widest,
                          mPageList->fontMetrics().horizontalAdvance(mPageList->item(row)->text()));
    }
    mPageList->setMinimumWidth(std::min(widest + 30, mPageList->maximumWidth()));
    if (CGraphDlg* plot = LinkedPlot()) {
        LinkPlot(plot);
    }
    SelectPage(PageCount() - 1);
}

void CReviewDlg::SelectPage(int page) {
    if (page < FirstPage() || page >= PageCount()) {
        return;
    }
    mPageList->setCurrentRow(page - FirstPage());  // shows it through currentRowChanged
    if (mShown != page) {
        ShowRow(page - FirstPage());
    }
}

void CReviewDlg::ShowRow(int row) {
    if (row == 0 && !mSetup.empty()) {
        ShowSetup();
    } else {
        ShowPage(row + FirstPage());
    }
}

void CReviewDlg::ShowSetup() {
    mShown = -1;
    mIterationField->setText(QStringLiteral("Setup"));
    for (QLineEdit* field : {mZField, mLeavingField, mEnteringField, mPivotField}) {
        field->clear();
    }
    mTableauView->ShowLines(mSetup);
    mNoteLabel->hide();
    mHomeButton->setEnabled(false);
    mBackButton->setEnabled(false);
    mNextButton->setEnabled(PageCount() > 0);
    mEndButton->setEnabled(PageCount() > 0);
}

void CReviewDlg::ShowPage(int page) {
    if (page < 0 || page >= PageCount()) {
        return;
    }
    mShown = page;
    const TableauPage& shown = mPages[static_cast<std::size_t>(page)];
    mIterationField->setText(QString::fromStdString(IterationText(mDual, page + 1, shown.mPhase)));
    // Fractions and M expressions show in the fields as in the cells; decimals as always.
    const auto& [pivotText, zText] = mFieldTexts[static_cast<std::size_t>(page)];
    const bool cellTexts = !mState.mDisplay.IsDefault() && !zText.empty();
    mZField->setText(QString::fromStdString(cellTexts ? zText : CFormat("%.15g", shown.mZ)));
    mLeavingField->setText(QString::fromStdString(shown.mLeaving));
    mEnteringField->setText(QString::fromStdString(shown.mEntering));
    mPivotField->setText(
        QString::fromStdString(cellTexts ? pivotText : CFormat("%.15g", shown.mPivotValue)));
    mTableauView->ShowPage(shown, LeavingRowOf(shown), mState.mDisplay.ShowsGrid());
    const auto index = static_cast<std::size_t>(page);
    mNoteLabel->setText(index < mNotes.size() ? QString::fromStdString(mNotes[index]) : QString());
    mNoteLabel->setVisible(!mNoteLabel->text().isEmpty());
    mHomeButton->setEnabled(page > FirstPage());
    mBackButton->setEnabled(page > FirstPage());
    mNextButton->setEnabled(page + 1 < PageCount());
    mEndButton->setEnabled(page + 1 < PageCount());
    if (CGraphDlg* plot = LinkedPlot()) {
        plot->HighlightPage(page);
    }
}

CGraphDlg* CReviewDlg::LinkedPlot() const {
    CGraphDlg* plot = mDual ? mDualPlot.data() : (mPrimalPlot ? mPrimalPlot(false) : nullptr);
    return plot != nullptr && plot->isVisible() ? plot : nullptr;
}

CGraphDlg* CReviewDlg::DualPlot(bool open) {
    if (!mDualPlot && open) {
        mDualPlot = new CGraphDlg(mDualPlotState, mPrompt, {}, this);
        mDualPlot->setWindowTitle(QStringLiteral("Graphical Solution of the Dual"));
        mDualPlot->SetAxisNames(QStringLiteral("Y1"), QStringLiteral("Y2"));
    }
    return mDualPlot;
}

void CReviewDlg::OpenPlot() {
    if (!mPath) {
        return;
    }
    if (mDual) {
        // The dual's rows are plotted as a problem of their own, kept apart from the state.
        mDualPlotState = VantrellState{};
        mDualPlotState.mPrimal = mState.mDual;
        mDualPlotState.mMinimize = !mState.mMinimize;
        mDualPlotState.mProblemName = mState.mProblemName;
        mDualPlotState.mDecimalPlaces = mState.mDecimalPlaces;
    }
    // Opening the primal's plot shows it, so whether it was on screen is asked first.
    const CGraphDlg* before =
        mDual ? mDualPlot.data() : (mPrimalPlot ? mPrimalPlot(false) : nullptr);
    const bool wasShown = before != nullptr && before->isVisible();
    CGraphDlg* plot = mDual ? DualPlot(true) : mPrimalPlot(true);
    if (plot == nullptr) {
        return;
    }
    // The dual's plot reads its rows when shown: shown again, it shows the dual of now.
    if (mDual && plot->isVisible()) {
        plot->hide();
    }
    // The path first, so the plot's extent takes in every point when it is shown.
    LinkPlot(plot);
    if (!plot->isVisible()) {
        plot->show();
    }
    // After showing: a kept place restored on showing must not put it over this one.
    if (!wasShown) {
        PlaceSideBySide(this, plot);
    }
    plot->raise();
}

void CReviewDlg::LinkPlot(CGraphDlg* plot) {
    plot->SetPath(mPath);
    plot->HighlightPage(mShown);
    if (mConnectedPlots.contains(plot)) {
        return;
    }
    mConnectedPlots.append(plot);
    connect(plot, &CGraphDlg::PathPageClicked, this, [this, plot](int page) {
        // The main plot also follows the tableau window; only while it shows this window's
        // run does a click select a page here.
        if (LinkedPlot() == plot) {
            SelectPage(page);
        }
    });
}

}  // namespace vantrell

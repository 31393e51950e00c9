// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/practice_dialog.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/tableau_grid.h"
#include "dialogs/tableau_marks.h"
#include "dialogs/ui_fonts.h"

namespace vantrell {
namespace {

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// The heading line holds one cell per column: Cb, Basis, the variables, Bi, Bi/Aij.
constexpr std::size_t kHeadingLine = 1;
constexpr std::size_t kFirstRowLine = 2;
constexpr std::size_t kFirstVariableCell = 2;

}  // namespace

CPracticeDlg::CPracticeDlg(PracticeSession& session, bool grid, QWidget* parent)
    : QDialog(parent), mSession(session) {
    setWindowTitle(mSession.Record().dual ? QStringLiteral("Practice Dual")
                                          : QStringLiteral("Practice Primal"));
    setObjectName("practiceDialog");
    setFont(FixedDialogFont());
    setSizeGripEnabled(true);
    BuildLayout(grid);
    Refresh();
}

void CPracticeDlg::BuildLayout(bool grid) {
    mQuestionLabel = new QLabel(this);
    mQuestionLabel->setObjectName("questionLabel");
    mQuestionLabel->setAccessibleName(QStringLiteral("Question"));
    mFeedbackLabel = new QLabel(this);
    mFeedbackLabel->setObjectName("feedbackLabel");
    mFeedbackLabel->setAccessibleName(QStringLiteral("Explanation"));
    mFeedbackLabel->setWordWrap(true);
    // Room for an explanation and the two summary lines, so the window need not grow.
    mFeedbackLabel->setMinimumHeight(4 * mFeedbackLabel->fontMetrics().lineSpacing());
    mFeedbackLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mFeedbackLabel->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);

    mTableauList = new QListWidget(this);
    mTableauList->setObjectName("practiceTableauList");
    mTableauList->setAccessibleName(QStringLiteral("Tableau"));
    mTableauList->setAccessibleDescription(
        QStringLiteral("Click the entering column, then the leaving row; Enter picks the "
                       "current row"));
    mTableauList->setSelectionMode(QAbstractItemView::SingleSelection);
    mTableauList->setMinimumSize(560, 180);
    mTableauList->setItemDelegate(new TableauMarksDelegate(mTableauList));
    mTableauList->viewport()->installEventFilter(this);
    mTableauList->installEventFilter(this);

    mAnswerField = new QLineEdit(this);
    mAnswerField->setObjectName("answerField");
    mAnswerField->setAccessibleName(QStringLiteral("Answer"));
    mAnswerField->setPlaceholderText(QStringLiteral("a column or row name"));
    mCheckButton = Button("&Check", "checkButton", this);
    mCheckButton->setDefault(true);
    mOptimalButton = Button("&Optimal", "optimalButton", this);
    mUnboundedButton = Button("&Unbounded", "unboundedButton", this);
    mInfeasibleButton = Button("&Infeasible", "infeasibleButton", this);
    mShowMeButton = Button("&Show me", "showMeButton", this);
    mStopButton = Button("S&top practising", "stopButton", this);
    mStopButton->setAccessibleName(QStringLiteral("Stop practising"));

    // Enter in the field presses Check, the default button: connected to the field as
    // well, one Enter would check the answer and then an empty field.
    connect(mCheckButton, &QPushButton::clicked, this, &CPracticeDlg::OnTyped);
    const auto verdict = [this](PracticeAnswer::Kind kind) {
        return [this, kind] { Answer({kind, {}}); };
    };
    connect(mOptimalButton, &QPushButton::clicked, this, verdict(PracticeAnswer::Kind::Optimal));
    connect(mUnboundedButton, &QPushButton::clicked, this,
            verdict(PracticeAnswer::Kind::Unbounded));
    connect(mInfeasibleButton, &QPushButton::clicked, this,
            verdict(PracticeAnswer::Kind::Infeasible));
    connect(mShowMeButton, &QPushButton::clicked, this, verdict(PracticeAnswer::Kind::ShowMe));
    connect(mStopButton, &QPushButton::clicked, this, &CPracticeDlg::OnStopOrClose);

    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(new QLabel(QStringLiteral("&Answer:"), this));
    answerRow->addWidget(mAnswerField, 1);
    answerRow->addWidget(mCheckButton);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {mOptimalButton, mUnboundedButton, mInfeasibleButton, mShowMeButton, mStopButton}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mQuestionLabel);
    layout->addWidget(mTableauList, 1);
    if (grid) {
        mTableauList->hide();
        mGrid = new TableauGrid(this);
        mGrid->setAccessibleDescription(
            QStringLiteral("Click the entering column, then the leaving row; Enter picks the "
                           "current cell"));
        mGrid->setMinimumSize(560, 180);
        mGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
        connect(mGrid, &QTableWidget::cellClicked, this, [this](int row, int column) {
            PickCell(static_cast<std::size_t>(TableauGrid::LineOfRow(row)),
                     static_cast<std::size_t>(column));
        });
        mGrid->installEventFilter(this);
        layout->addWidget(mGrid, 1);
    }
    layout->addWidget(mFeedbackLabel);
    layout->addLayout(answerRow);
    layout->addLayout(buttons);
    if (auto* label = qobject_cast<QLabel*>(answerRow->itemAt(0)->widget())) {
        label->setBuddy(mAnswerField);
    }
    mAnswerField->setFocus();
}

void CPracticeDlg::Refresh() {
    const bool open = mSession.PageOpen();
    mQuestionLabel->setText(open ? QString::fromStdString(mSession.QuestionText())
                                 : QStringLiteral("Practice finished"));
    // At the arithmetic levels the rows made so far stand above the last feedback.
    QString feedback;
    for (const std::string& row : mSession.RowsMade()) {
        feedback += QString::fromStdString(row) + QLatin1Char('\n');
    }
    feedback += QString::fromStdString(mSession.LastFeedback());
    if (mSession.Finished()) {
        for (const std::string& line : PracticeSummaryLines(mSession.Record())) {
            feedback += QLatin1Char('\n') + QString::fromStdString(line);
        }
    }
    mFeedbackLabel->setText(feedback);
    const bool arithmetic = ArithmeticAsked();
    mStopButton->setText(open ? QStringLiteral("S&top practising") : QStringLiteral("&Close"));
    mStopButton->setAccessibleName(open ? QStringLiteral("Stop practising")
                                        : QStringLiteral("Close"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{mAnswerField, mCheckButton, mShowMeButton}) {
        control->setEnabled(open);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{mOptimalButton, mUnboundedButton, mInfeasibleButton}) {
        control->setEnabled(open && !arithmetic);
    }
    mAnswerField->setPlaceholderText(!arithmetic ? QStringLiteral("a column or row name")
                                     : mSession.Question() == PracticeQuestion::Operation
                                         ? QStringLiteral("the number, e.g. 5/2")
                                         : QStringLiteral("the row's cells, e.g. 1 0 3/2 2M - 1"));
    if (arithmetic && open) {
        mAnswerField->setFocus();
    }

    mView = mSession.View();
    if (mGrid != nullptr) {
        const auto settled = mSession.SettledColumn();
        const auto settledRow = mSession.SettledRow();
        const QSize size = mGrid->ShowPage(
            mView, settled ? std::optional(*settled + kFirstVariableCell) : std::nullopt,
            settledRow ? static_cast<int>(*settledRow) : -1);
        mGrid->setMinimumWidth(std::min(1000, size.width()));
        return;
    }
    const std::vector<std::string> lines = mView.Lines();
    const int current = mTableauList->currentRow();
    mTableauList->clear();
    const auto column = mSession.SettledColumn();
    const auto row = mSession.SettledRow();
    const TableauPage::Span span =
        column ? mView.ColumnSpan(*column + kFirstVariableCell) : TableauPage::Span{};
    for (std::size_t line = 0; line < lines.size(); ++line) {
        auto* item = new QListWidgetItem(QString::fromStdString(lines[line]), mTableauList);
        if (column) {
            item->setData(kEnteringSpanRole,
                          QPoint(static_cast<int>(span.start), static_cast<int>(span.length)));
            item->setData(kPivotRowRole, row && line == *row + kFirstRowLine);
        }
    }
    // While a column is asked no row is marked: a marked row would read as a hint.
    if (mSession.Question() == PracticeQuestion::Leaving || row) {
        mTableauList->setCurrentRow(row ? static_cast<int>(*row + kFirstRowLine)
                                        : std::max(current, static_cast<int>(kFirstRowLine)));
    } else {
        mTableauList->setCurrentRow(-1);
        mTableauList->clearSelection();
    }
    const QFontMetrics metrics(mTableauList->font());
    std::size_t widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, line.size());
    }
    mTableauList->setMinimumWidth(std::min(
        1000, metrics.horizontalAdvance(QString(static_cast<qsizetype>(widest), u'0')) + 40));
}

void CPracticeDlg::Answer(const PracticeAnswer& answer) {
    if (!mSession.PageOpen()) {
        return;
    }
    mSession.Answer(answer);
    if (!mSession.PageOpen() && !mSession.Finished()) {
        accept();  // settled: the run pivots and the next page opens with this feedback
        return;
    }
    Refresh();
}

int CPracticeDlg::TextLeft(const QListWidgetItem* item) const {
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, mTableauList);
    return mTableauList->visualItemRect(item).left() + 2 * margin + 1;
}

QPoint CPracticeDlg::CellPoint(std::size_t line, std::size_t cell) const {
    const QListWidgetItem* item = mTableauList->item(static_cast<int>(line));
    if (item == nullptr) {
        return {};
    }
    const TableauPage::Span span = mView.ColumnSpan(cell);
    const QFontMetrics metrics(mTableauList->font());
    const int x = TextLeft(item) + metrics.horizontalAdvance(QLatin1Char('0')) *
                                       static_cast<int>(span.start + span.length / 2);
    return {x, mTableauList->visualItemRect(item).center().y()};
}

void CPracticeDlg::PickAt(const QPoint& viewportPoint) {
    if (!mSession.PageOpen()) {
        return;
    }
    QListWidgetItem* item = mTableauList->itemAt(viewportPoint);
    if (item == nullptr) {
        return;
    }
    const auto line = static_cast<std::size_t>(mTableauList->row(item));
    if (mSession.Question() != PracticeQuestion::Entering || mView.mRows.size() <= kHeadingLine) {
        PickCell(line, std::nullopt);
        return;
    }
    // The character under the click, then the column whose span holds it.
    const int advance = QFontMetrics(mTableauList->font()).horizontalAdvance(QLatin1Char('0'));
    const int character = (viewportPoint.x() - TextLeft(item)) / std::max(1, advance);
    const TableauPage::Line& heading = mView.mRows[kHeadingLine];
    for (std::size_t cell = kFirstVariableCell; cell + 2 < heading.size(); ++cell) {
        const TableauPage::Span span = mView.ColumnSpan(cell);
        if (character >= static_cast<int>(span.start) - 1 &&
            character <= static_cast<int>(span.start + span.length)) {
            PickCell(line, cell);
            return;
        }
    }
}

void CPracticeDlg::PickCell(std::size_t line, std::optional<std::size_t> cell) {
    if (!mSession.PageOpen()) {
        return;
    }
    const std::size_t rows = mView.mRows.size() >= 4 ? mView.mRows.size() - 4 : 0;
    const bool isRow = line >= kFirstRowLine && line < kFirstRowLine + rows;
    const std::string lineName =
        line < mView.mRows.size() && mView.mRows[line].size() > 1 ? mView.mRows[line][1] : "";
    if (mSession.Question() == PracticeQuestion::Leaving) {
        if (isRow) {
            Answer({PracticeAnswer::Kind::Name, lineName});
        } else {
            ExplainNoAnswer(NotAnAnswerText(PracticeQuestion::Leaving, lineName, false));
        }
        return;
    }
    if (mSession.Question() != PracticeQuestion::Entering || mView.mRows.size() <= kHeadingLine) {
        ExplainNoAnswer(NotAnAnswerText(mSession.Question(), lineName, isRow));
        return;
    }
    const TableauPage::Line& heading = mView.mRows[kHeadingLine];
    if (cell && *cell >= kFirstVariableCell && *cell + 2 < heading.size()) {
        Answer({PracticeAnswer::Kind::Name, heading[*cell]});
    }
}

bool CPracticeDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mTableauList->viewport() && event->type() == QEvent::MouseButtonRelease) {
        PickAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    }
    // Enter on a cell of the grid picks its column or its row, as the question asks.
    if (mGrid != nullptr && watched == mGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (mGrid->currentRow() >= 0) {
                PickCell(static_cast<std::size_t>(TableauGrid::LineOfRow(mGrid->currentRow())),
                         static_cast<std::size_t>(std::max(0, mGrid->currentColumn())));
            }
            return true;
        }
    }
    // Enter on a row of the tableau picks it as the leaving row.
    if (watched == mTableauList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (mSession.Question() != PracticeQuestion::Leaving) {
                ExplainNoAnswer(NotAnAnswerText(mSession.Question(), {}, true));
            } else if (QListWidgetItem* item = mTableauList->currentItem()) {
                PickAt(mTableauList->visualItemRect(item).center());
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CPracticeDlg::ArithmeticAsked() const {
    return mSession.PageOpen() && (mSession.Question() == PracticeQuestion::Operation ||
                                   mSession.Question() == PracticeQuestion::Row);
}

void CPracticeDlg::OnTyped() {
    const std::string typed = mAnswerField->text().toStdString();
    if (ArithmeticAsked()) {
        // A number or a row of cells; a wrong one stays in the field to be mended.
        const bool right = mSession.AnswerLine(typed).result == PracticeFeedback::Result::Right;
        if (right) {
            mAnswerField->clear();
        }
        if (!mSession.PageOpen() && !mSession.Finished()) {
            accept();
            return;
        }
        Refresh();
        return;
    }
    const auto answer = ParsePracticeAnswer(typed);
    mAnswerField->clear();
    mAnswerField->setFocus();
    if (answer) {
        Answer(*answer);
    } else {
        ExplainNoAnswer(kBlankAnswerText);
    }
}

void CPracticeDlg::ExplainNoAnswer(const std::string& text) {
    if (mSession.PageOpen() && !text.empty()) {
        mFeedbackLabel->setText(QString::fromStdString(text));
    }
}

// Leaves at once while a question waits (the run goes on without asking); closes the
// finished practice.
void CPracticeDlg::OnStopOrClose() {
    if (mSession.PageOpen()) {
        reject();
        return;
    }
    accept();
}

// Escape or the close box: the student stops; the run goes on without asking.
void CPracticeDlg::reject() {
    if (mSession.PageOpen()) {
        mSession.Stop();
    }
    QDialog::reject();
}

void QtPracticeFront::Practise(PracticeSession& session) {
    CPracticeDlg dialog(session, mGrid, mParent);
    mRunModal(dialog);
}

}  // namespace vantrell

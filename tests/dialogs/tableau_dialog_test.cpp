// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/tableau_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "commands/calculate_commands.h"
#include "dialogs/review_dialog.h"
#include "dialogs/tableau_marks.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"
#include "teach/exact_page_text.h"
#include "teach/step_notes.h"

namespace vantrell {

// Opens each page of a run in a real Tableau dialog and leaves it with Next, answering the
// last-page question from the script. On the last page it first goes Home, Next, Back and
// End through the pages already made, recording the iteration field and the marked line.
class SteppingPresenter : public PagePresenter {
  public:
    explicit SteppingPresenter(Prompt& prompt) : mPrompt(prompt) {}

    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        CTableauDlg dialog(page, state, mPrompt);
        dialog.SetNotes(RunNotesSoFar(state));
        dialog.show();
        auto* note = dialog.findChild<QLabel*>("noteLabel");
        auto* list = dialog.findChild<QListWidget*>("tableauList");
        auto* iteration = dialog.findChild<QLineEdit*>("iterationField");
        selectedRows.push_back(list->selectedItems().isEmpty() ? -1 : list->currentRow());
        const auto press = [&](const char* button) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        };
        for (const char* button : {"homeButton", "nextButton", "backButton", "endButton"}) {
            if (!state.mDone) {
                break;
            }
            press(button);
            int pivotLine = -1;
            for (int line = 0; line < list->count(); ++line) {
                if (list->item(line)->data(kPivotRowRole).toBool()) {
                    pivotLine = line;
                }
            }
            visited.append(QStringLiteral("%1 pivot %2, %3")
                               .arg(iteration->text())
                               .arg(pivotLine)
                               .arg(note->text().section(QLatin1Char(':'), 0, 0)));
            if (visited.size() == 1) {
                backEnabledAtHome = dialog.findChild<QPushButton*>("backButton")->isEnabled();
            }
            countWhileBrowsing = state.mTableauCount;
        }
        int presses = 0;
        while (dialog.isVisible() && presses < 5) {
            press("nextButton");
            ++presses;
        }
        nextPresses.push_back(presses);
    }

    Prompt& mPrompt;
    QList<int> selectedRows;
    QList<int> nextPresses;
    QStringList visited;
    int countWhileBrowsing = 0;
    bool backEnabledAtHome = true;
};

// Opens each page in a real Tableau dialog and presses Stop on page `stopOn` (from 1),
// Next on the others; reports the stop as the Qt presenter does.
class StoppingPresenter : public PagePresenter {
  public:
    StoppingPresenter(Prompt& prompt, int stopOn) : mPrompt(prompt), mStopOn(stopOn) {}
    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        CTableauDlg dialog(page, state, mPrompt);
        dialog.show();
        auto* stop = dialog.findChild<QPushButton*>("stopButton");
        stopNamed = stop->accessibleName() == QStringLiteral("Stop the run") &&
                    QKeySequence::mnemonic(stop->text()) == QKeySequence(Qt::ALT | Qt::Key_S);
        ++shown;
        if (shown == mStopOn) {
            QTest::mouseClick(stop, Qt::LeftButton);
        } else {
            QTest::mouseClick(dialog.findChild<QPushButton*>("nextButton"), Qt::LeftButton);
        }
        stopped = dialog.StopRequested();
        closed = !dialog.isVisible();
    }
    bool StopRequested() const override { return stopped; }

    Prompt& mPrompt;
    int mStopOn = 0;
    int shown = 0;
    bool stopNamed = false;
    bool stopped = false;
    bool closed = false;
};

class TableauDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // Next steps on, and on the last page asks first (No keeps the page); Back, Next, Home
    // and End show the pages already made with their marks without running anything again.
    void stepsThroughAWholeRunAndBrowsesIt() {
        VantrellState state;
        state.mPrimal = testing::ThreePlants();
        testing::ScriptedPrompt prompt;
        prompt.answers = {false, true};
        SteppingPresenter presenter(prompt);
        CalculatePrimal(state, prompt, presenter);

        QCOMPARE(presenter.selectedRows, (QList<int>{3, 4, -1}));  // the pivot rows, then none
        QCOMPARE(presenter.visited,
                 (QStringList{"Solving Primal: Iteration: 1 pivot 3, X2 enters",
                              "Solving Primal: Iteration: 2 pivot 4, X1 enters",
                              "Solving Primal: Iteration: 1 pivot 3, X2 enters",
                              "Solving Primal: Iteration: 3 pivot -1, No Cj-Zj is positive"}));
        QVERIFY(!presenter.backEnabledAtHome);
        QCOMPARE(presenter.countWhileBrowsing, 3);
        QCOMPARE(presenter.nextPresses, (QList<int>{1, 1, 2}));
        QCOMPARE(prompt.questions.size(), qsizetype(2));
    }

    // A two-phase run in the window: each page says its phase, the pivot row is marked on
    // Phase I's pages as on any other, and the last page is Phase II's.
    void stepsThroughBothPhases() {
        VantrellState state;
        state.mPrimal = testing::MakeProblem(
            {4, 3, 2}, {{{1, 1, 1}, "=", 10}, {{2, 1, 0}, ">=", 8}, {{0, 0, 1}, "<=", 6}});
        state.mMinimize = true;
        state.mMethod = SolveMethod::TwoPhase;
        testing::ScriptedPrompt prompt;
        prompt.answers = {true};
        SteppingPresenter presenter(prompt);
        CalculatePrimal(state, prompt, presenter);
        QCOMPARE(presenter.selectedRows, (QList<int>{3, 2, -1, -1}));  // a2, then a1 leaves
        QCOMPARE(presenter.visited.first(),
                 QStringLiteral("Solving Primal: Iteration: 1 (Phase I) pivot 3, Phase I"));
        QCOMPARE(presenter.visited.last(),
                 QStringLiteral("Solving Primal: Iteration: 4 (Phase II) pivot -1, Phase II"));
        QVERIFY(prompt.messages.empty());
    }

    void escapeLeavesALastPageWithoutAsking() {
        VantrellState state;
        state.mDone = true;
        state.mLeavingRow = -1;
        testing::ScriptedPrompt prompt;
        CTableauDlg dialog(TableauPage{}, state, prompt);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(prompt.questions.empty());
    }

    // The whole page is in view, Bi and Bi/Aij included (up to the screen), and the
    // entering column and the pivot cell carry their marks.
    void opensWideEnoughAndMarksTheEnteringColumnAndPivotCell() {
        VantrellState state;
        state.mLeavingRow = 0;
        TableauPage page;
        const std::string wide = "(-2.000, 1.000M)";
        page.mRows = {{"", "Cj", wide, wide, wide, wide, wide},
                      {"Cb", "Basis", "X1", "X2", "S1", "a1", "S2", "Bi", "Bi/Aij"},
                      {wide, "a1", wide, "1.000", wide, wide, wide, "4.000", "4.000"}};
        page.mEntering = "X2";
        testing::ScriptedPrompt prompt;
        CTableauDlg dialog(page, state, prompt);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("tableauList");
        const QString pivotLine = list->item(2)->text();
        QVERIFY(list->viewport()->width() >= list->fontMetrics().horizontalAdvance(pivotLine) ||
                dialog.width() >= dialog.screen()->availableGeometry().width());
        const QPoint span = list->item(2)->data(kEnteringSpanRole).toPoint();
        QCOMPARE(pivotLine.mid(span.x(), span.y()).trimmed(), QStringLiteral("1.000"));
        QVERIFY(list->item(2)->data(kPivotRowRole).toBool());
        QVERIFY(!list->item(1)->data(kPivotRowRole).toBool());
    }

    // Stop (Alt+S) ends the run on the page on show: the pages made so far stay for
    // review, and the run says it was stopped, not solved.
    void stopEndsTheRunWhereItIs() {
        VantrellState state;
        state.mPrimal = testing::ThreePlants();
        testing::ScriptedPrompt prompt;
        StoppingPresenter presenter(prompt, 2);
        CalculatePrimal(state, prompt, presenter);
        QVERIFY(presenter.stopNamed && presenter.closed);
        QCOMPARE(presenter.shown, 2);
        QCOMPARE(state.mRunOutcome, RunOutcome::Stopped);
        QCOMPARE(state.mTableauCount, 2);
        QCOMPARE(state.mPrimalTableauCount, 2);
        QCOMPARE(state.mSolutionLines,
                 std::vector<std::string>{OutcomeSolutionText(RunOutcome::Stopped)});
        QVERIFY(prompt.questions.empty());
        CReviewDlg review(state, prompt, [](bool) { return nullptr; });
        QVERIFY(review.Reload());
        QCOMPARE(review.PageCount(), 2);
        QVERIFY(review.findChild<QLabel*>("noteLabel")
                    ->text()
                    .endsWith(QString::fromStdString(OutcomeSolutionText(RunOutcome::Stopped))));

        // On the last page there is nothing left to stop.
        state.mDone = true;
        CTableauDlg last(TableauPage{}, state, prompt);
        QVERIFY(!last.findChild<QPushButton*>("stopButton")->isEnabled());
    }

    // An unbounded run's deciding tableau comes after the run's pages, with its note; the
    // fields show the display's numbers, Z with its M part.
    void showsTheDecidingTableauAndFieldsInTheDisplayNumbers() {
        VantrellState state = testing::SolvedState(
            testing::MakeProblem({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}}));
        state.mDisplay = {NumberStyle::Fractions, BigMStyle::Expressions};
        const auto deciding =
            DecidingPage(CurrentExactRun(state), state.mTableauCount, state.mDisplay, 3);
        QVERIFY(deciding.has_value());
        testing::ScriptedPrompt prompt;
        CTableauDlg dialog(*deciding, state, prompt);
        dialog.SetNewestTexts({}, deciding->mRows.back().back());
        dialog.SetNotes({"", DecidingPageNote(state)});
        dialog.ShowAsDecidingPage();
        dialog.show();
        // The run ends on this page anyway: there is nothing to stop.
        QVERIFY(!dialog.findChild<QPushButton*>("stopButton")->isEnabled());
        const auto field = [&dialog](const char* name) {
            return dialog.findChild<QLineEdit*>(name)->text();
        };
        QCOMPARE(field("iterationField"), QStringLiteral("Solving Primal: Iteration: 2"));
        QCOMPARE(field("enteringField"), QStringLiteral("X2"));
        QCOMPARE(field("leavingField"), QString());
        QCOMPARE(field("zField"), QStringLiteral("1"));
        QVERIFY(dialog.findChild<QLabel*>("noteLabel")
                    ->text()
                    .contains(QStringLiteral("X2 can grow without limit and Z with it.")));
        QTest::mouseClick(dialog.findChild<QPushButton*>("backButton"), Qt::LeftButton);
        QCOMPARE(field("iterationField"), QStringLiteral("Solving Primal: Iteration: 1"));

        VantrellState minimum = testing::SolvedState(
            testing::MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}), true);
        minimum.mDisplay = state.mDisplay;
        CTableauDlg first(TableauPage{}, minimum, prompt);
        first.OnHome();
        QCOMPARE(first.findChild<QLineEdit*>("zField")->text(), QStringLiteral("-4M"));
        QCOMPARE(first.findChild<QLineEdit*>("pivotField")->text(), QStringLiteral("1"));
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::TableauDialogTest)
#include "tableau_dialog_test.moc"

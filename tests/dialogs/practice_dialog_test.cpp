// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/practice_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "commands/calculate_commands.h"
#include "dialogs/tableau_grid.h"
#include "dialogs/tableau_marks.h"
#include "export/report_explain.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {

QStringList ListLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

// Plays a student in a real practice dialog: page 1 a wrong column click, the right one,
// then Show me for the row; page 2 the Optimal button and Close.
class ClickingFront : public PracticeFront {
  public:
    void Practise(PracticeSession& session) override {
        CPracticeDlg dialog(session);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("practiceTableauList");
        auto* feedback = dialog.findChild<QLabel*>("feedbackLabel");
        const auto click = [&](std::size_t cell) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, dialog.CellPoint(3, cell));
        };
        const auto press = [&](const char* name) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
        };
        if (++pages == 1) {
            const QStringList before = ListLines(list);
            click(3);  // X2
            wrongClick = feedback->text();
            unchangedAfterWrong = ListLines(list) == before && dialog.isVisible();
            click(2);  // X1
            markedAfterRight = list->item(3)->data(kEnteringSpanRole).isValid();
            press("showMeButton");
            closedWhenSettled = !dialog.isVisible();
            return;
        }
        carriedOver = feedback->text();
        press("optimalButton");
        summary = feedback->text();
        press("stopButton");
        closedWhenSettled = closedWhenSettled && !dialog.isVisible();
    }

    int pages = 0;
    QString wrongClick;
    bool unchangedAfterWrong = false;
    bool markedAfterRight = false;
    bool closedWhenSettled = false;
    QString carriedOver;
    QString summary;
};

// Types a whole pivot at the next tableau level: the choices, the pivot row, a wrong then
// a right R2, Show me for Zj, and Cj-Zj; then the verdict on page 2.
class TableauTypingFront : public PracticeFront {
  public:
    void Practise(PracticeSession& session) override {
        CPracticeDlg dialog(session);
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>("answerField");
        auto* feedback = dialog.findChild<QLabel*>("feedbackLabel");
        const auto press = [&](const char* name) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
        };
        const auto type = [&](const char* text) {
            field->setText(QString::fromUtf8(text));
            press("checkButton");
        };
        if (++pages == 1) {
            type("X1");
            type("S1");
            verdictsOffForRows = !dialog.findChild<QPushButton*>("optimalButton")->isEnabled();
            type("1 1 1 0 4");
            type("0 2 -1 1 3");
            wrongCell = feedback->text();
            wrongRowKept = field->text() == QStringLiteral("0 2 -1 1 3");
            type("0 2 -1 1 2");
            press("showMeButton");
            rowsShown = feedback->text();
            type("0 -1 -3 0");
            closedWhenSettled = !dialog.isVisible();
            return;
        }
        press("optimalButton");
        summary = feedback->text();
        press("stopButton");
    }

    int pages = 0;
    bool verdictsOffForRows = false;
    QString wrongCell;
    bool wrongRowKept = false;
    QString rowsShown;
    bool closedWhenSettled = false;
    QString summary;
};

// Plays a student who types: the traps of the window on the way. Page 1: Enter on the list
// while a column is asked, a blank answer, "X1", a click on the Zj line, "S1"; page 2:
// Stop practising.
class TypingFront : public PracticeFront {
  public:
    void Practise(PracticeSession& session) override {
        CPracticeDlg dialog(session);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("practiceTableauList");
        auto* feedback = dialog.findChild<QLabel*>("feedbackLabel");
        auto* answer = dialog.findChild<QLineEdit*>("answerField");
        const auto type = [&](const char* text) {
            answer->setText(QString::fromUtf8(text));
            QTest::keyClick(answer, Qt::Key_Return);
        };
        focusOnAnswer.push_back(dialog.focusWidget() == answer);
        if (++pages == 1) {
            rowMarkedWhileColumnAsked =
                list->currentRow() != -1 || !list->selectedItems().isEmpty();
            QTest::keyClick(list, Qt::Key_Return);
            said << feedback->text();
            type("  ");
            said << feedback->text();
            type("X1");
            focusOnAnswer.push_back(dialog.focusWidget() == answer);
            const int zjLine = list->count() - 2;
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(zjLine)).center());
            said << feedback->text();
            type("S1");
            return;
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>("stopButton"), Qt::LeftButton);
        stopped = session.Stopped() && !dialog.isVisible();
    }

    int pages = 0;
    QList<bool> focusOnAnswer;
    bool rowMarkedWhileColumnAsked = true;
    QStringList said;
    bool stopped = false;
};

// In the grid a click on any cell of a column answers the column question, a click on a
// row the row question; Enter on the Zj row says why it is no answer.
class GridFront : public PracticeFront {
  public:
    void Practise(PracticeSession& session) override {
        CPracticeDlg dialog(session, true);
        dialog.show();
        auto* grid = dialog.findChild<TableauGrid*>("tableauGrid");
        auto* feedback = dialog.findChild<QLabel*>("feedbackLabel");
        const auto click = [&](int row, int column) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(row, column)).center());
        };
        if (++pages == 1) {
            gridShown = grid->isVisible() &&
                        !dialog.findChild<QListWidget*>("practiceTableauList")->isVisible();
            click(3, 2);  // X1's cell on the Zj row: the column is the answer
            columnMarked = grid->item(0, 2)->font().bold();
            grid->setCurrentCell(3, 0);
            QTest::keyClick(grid, Qt::Key_Return);
            said = feedback->text();
            click(1, 4);  // any cell of S1's row
            return;
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>("stopButton"), Qt::LeftButton);
    }

    int pages = 0;
    bool gridShown = false;
    bool columnMarked = false;
    QString said;
};

class PracticeDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void wrongThenRightClickAndShowMe() {
        VantrellState state;
        state.mPrimal = testing::MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
        testing::ScriptedPrompt prompt;
        ClickingFront front;
        const PracticeRecord record = PracticeRun(state, prompt, front, false);

        QCOMPARE(front.pages, 2);
        QCOMPARE(front.wrongClick,
                 QStringLiteral("X2's Cj-Zj is 2.000, X1's is 3.000: the largest positive enters"));
        QVERIFY(front.unchangedAfterWrong);
        QVERIFY(front.markedAfterRight);
        QVERIFY(front.closedWhenSettled);
        QCOMPARE(front.carriedOver, QStringLiteral("S1 leaves: its ratio 4.000 is the smallest"));
        QVERIFY(front.summary.contains(QStringLiteral("Right at the first try: 1 of 3")));
        QVERIFY(front.summary.contains(QStringLiteral("Hints taken: 1")));
        QCOMPARE(record.Asked(), 3);
        QCOMPARE(state.mPrimalOutcome, RunOutcome::Optimal);
        // The answers stay with the kept run, for the review window and the explained report.
        QVERIFY(state.mPrimalRun.practice == PracticeRecordLines(record));
        state.mExplain = true;
        QVERIFY(ReportRunExplanation(state, false)
                    .starts_with("\nPractice:\n    " + PracticeRecordLines(record).front()));
        SilentPresenter calculate;
        CalculatePrimal(state, prompt, calculate);
        QVERIFY(state.mPrimalRun.practice.empty());
    }

    void nextTableauTypedRowByRow() {
        VantrellState state;
        state.mPrimal = testing::MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
        testing::ScriptedPrompt prompt;
        TableauTypingFront front;
        const PracticeRecord record =
            PracticeRun(state, prompt, front, false, PracticeLevel::Tableau);
        QCOMPARE(front.pages, 2);
        QVERIFY(front.verdictsOffForRows);
        QVERIFY2(front.wrongCell.endsWith(
                     QStringLiteral("R2 (S2): 1 cell is wrong\nBi: R2 <- R2 - R1: 6.000 - "
                                    "1.000 x 4.000 = 2.000, not 3.000")),
                 qPrintable(front.wrongCell));
        QVERIFY(front.wrongRowKept);
        QVERIFY2(front.rowsShown.contains(QStringLiteral("Zj: 3.000 3.000 3.000 0.000")),
                 qPrintable(front.rowsShown));
        QVERIFY(front.closedWhenSettled);
        QVERIFY2(front.summary.contains(QStringLiteral("Cells: Right at the first try: 13 of 18")),
                 qPrintable(front.summary));
        QCOMPARE(record.HintsTaken(), 1);
    }

    // A typed answer is never lost: the answer field keeps the focus from page to page, a
    // pick that is no answer says why, and Stop practising leaves without a verdict.
    void noTrapsForAStudentWhoTypes() {
        VantrellState state;
        state.mPrimal = testing::MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
        testing::ScriptedPrompt prompt;
        TypingFront front;
        const PracticeRecord record = PracticeRun(state, prompt, front, false);

        QCOMPARE(front.pages, 2);
        QCOMPARE(front.focusOnAnswer, (QList<bool>{true, true, true}));
        QVERIFY(!front.rowMarkedWhileColumnAsked);
        QCOMPARE(front.said,
                 (QStringList{
                     QString::fromStdString(NotAnAnswerText(PracticeQuestion::Entering, "", true)),
                     QString::fromUtf8(kBlankAnswerText),
                     QStringLiteral("The Zj line is no row of the basis: pick the row "
                                    "whose variable leaves.")}));
        QVERIFY(front.stopped);
        // Two decisions answered right; the verdict was never given, not given wrong.
        QCOMPARE(record.RightFirstTry(), 2);
        QVERIFY(record.Asked() == 2 || record.decisions.back().answers.empty());
    }

    void theGridAnswersByCell() {
        VantrellState state;
        state.mPrimal = testing::MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
        testing::ScriptedPrompt prompt;
        GridFront front;
        const PracticeRecord record = PracticeRun(state, prompt, front, false);
        QCOMPARE(front.pages, 2);
        QVERIFY(front.gridShown && front.columnMarked);
        QCOMPARE(front.said, QStringLiteral("The Zj line is no row of the basis: pick the row "
                                            "whose variable leaves."));
        QCOMPARE(record.RightFirstTry(), 2);
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::PracticeDialogTest)
#include "practice_dialog_test.moc"

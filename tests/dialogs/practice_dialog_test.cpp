// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/practice_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "commands/calculate_commands.h"
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
// then Show me for the row; page 2 the Optimal button and Done.
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
        press("doneButton");
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
class TypingFront : public PracticeFront {
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
        press("doneButton");
    }

    int pages = 0;
    bool verdictsOffForRows = false;
    QString wrongCell;
    bool wrongRowKept = false;
    QString rowsShown;
    bool closedWhenSettled = false;
    QString summary;
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
        TypingFront front;
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
};

}  // namespace vantrell

QTEST_MAIN(vantrell::PracticeDialogTest)
#include "practice_dialog_test.moc"

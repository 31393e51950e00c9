// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/practice_dialog.h"

#include <QLabel>
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
};

}  // namespace vantrell

QTEST_MAIN(vantrell::PracticeDialogTest)
#include "practice_dialog_test.moc"

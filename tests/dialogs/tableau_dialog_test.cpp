#include "dialogs/tableau_dialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "commands/calculate_commands.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {

// Opens each page of a run in a real Tableau dialog, checks what it shows and leaves it
// with Next, answering the last-page question from the script.
class SteppingPresenter : public PagePresenter {
  public:
    explicit SteppingPresenter(Prompt& prompt) : mPrompt(prompt) {}

    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        CTableauDlg dialog(page, state, mPrompt);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("tableauList");
        auto* iteration = dialog.findChild<QLineEdit*>("iterationField");
        selectedRows.push_back(list->selectedItems().isEmpty() ? -1 : list->currentRow());
        iterations.push_back(iteration->text());
        firstLines.push_back(list->item(0)->text());
        auto* next = dialog.findChild<QPushButton*>("nextButton");
        int presses = 0;
        while (dialog.isVisible() && presses < 5) {
            QTest::mouseClick(next, Qt::LeftButton);
            ++presses;
        }
        nextPresses.push_back(presses);
    }

    Prompt& mPrompt;
    QList<int> selectedRows;
    QStringList iterations;
    QStringList firstLines;
    QList<int> nextPresses;
};

class TableauDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void stepsThroughAWholeRun() {
        VantrellState state;
        state.mPrimal = testing::MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
        testing::ScriptedPrompt prompt;
        prompt.answers = {false, true};  // last page: No keeps it open, Yes leaves it
        SteppingPresenter presenter(prompt);
        CalculatePrimal(state, prompt, presenter);

        QCOMPARE(presenter.selectedRows, (QList<int>{2, -1}));  // the pivot row S1, then none
        QCOMPARE(presenter.iterations,
                 (QStringList{"Solving Primal: Iteration: 1", "Solving Primal: Iteration: 2"}));
        QCOMPARE(presenter.nextPresses, (QList<int>{1, 2}));
        QCOMPARE(prompt.questions.size(), qsizetype(2));
        QCOMPARE(presenter.firstLines[0], QStringLiteral("         Cj 3.000 2.000 0.000 0.000 "));
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
};

}  // namespace vantrell

QTEST_MAIN(vantrell::TableauDialogTest)
#include "tableau_dialog_test.moc"

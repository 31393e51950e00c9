// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/tableau_dialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "commands/calculate_commands.h"
#include "dialogs/tableau_marks.h"
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
    QList<int> nextPresses;
};

// On the run's last page, goes Home, Next, Back and End through the pages already made,
// recording the iteration field and the marked pivot line on each, then leaves with Next.
class BrowsingPresenter : public PagePresenter {
  public:
    explicit BrowsingPresenter(Prompt& prompt) : mPrompt(prompt) {}

    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        ++pagesShown;
        if (!state.mDone) {
            return;
        }
        CTableauDlg dialog(page, state, mPrompt);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("tableauList");
        auto* iteration = dialog.findChild<QLineEdit*>("iterationField");
        const auto press = [&](const char* button) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
            int pivotLine = -1;
            for (int line = 0; line < list->count(); ++line) {
                if (list->item(line)->data(kPivotRowRole).toBool()) {
                    pivotLine = line;
                }
            }
            visited.append(QStringLiteral("%1 pivot %2").arg(iteration->text()).arg(pivotLine));
        };
        press("homeButton");
        backEnabledAtHome = dialog.findChild<QPushButton*>("backButton")->isEnabled();
        press("nextButton");
        press("backButton");
        press("endButton");
        countWhileBrowsing = state.mTableauCount;
        QTest::mouseClick(dialog.findChild<QPushButton*>("nextButton"), Qt::LeftButton);
        closedByNext = !dialog.isVisible();
    }

    Prompt& mPrompt;
    int pagesShown = 0;
    int countWhileBrowsing = 0;
    bool backEnabledAtHome = true;
    bool closedByNext = false;
    QStringList visited;
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
    }

    // Back, Next, Home and End show the pages already made with their marks; the run is
    // not asked for anything new, and Next on the last page still asks before leaving.
    void goesBackAndForthWithoutRunningAgain() {
        VantrellState state;
        state.mPrimal = testing::ThreePlants();
        testing::ScriptedPrompt prompt;
        prompt.answers = {true};
        BrowsingPresenter presenter(prompt);
        CalculatePrimal(state, prompt, presenter);

        QCOMPARE(presenter.visited, (QStringList{"Solving Primal: Iteration: 1 pivot 3",
                                                 "Solving Primal: Iteration: 2 pivot 4",
                                                 "Solving Primal: Iteration: 1 pivot 3",
                                                 "Solving Primal: Iteration: 3 pivot -1"}));
        QVERIFY(!presenter.backEnabledAtHome);
        QCOMPARE(presenter.pagesShown, 3);
        QCOMPARE(presenter.countWhileBrowsing, 3);
        QVERIFY(presenter.closedByNext);
        QCOMPARE(prompt.questions.size(), qsizetype(1));
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
};

}  // namespace vantrell

QTEST_MAIN(vantrell::TableauDialogTest)
#include "tableau_dialog_test.moc"

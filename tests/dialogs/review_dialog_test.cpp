// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/review_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "dialogs/tableau_grid.h"
#include "dialogs/tableau_marks.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {

class ReviewDialogTest : public QObject {
    Q_OBJECT

    // Two of the three-plant rows, solved primal then dual; the dual has two variables.
    static VantrellState SolvedState() {
        return testing::SolvedState(
            testing::MakeProblem({3, 5}, {{{1, 0}, "<=", 4}, {{3, 2}, "<=", 18}}), false,
            testing::Runs::Both);
    }

  private slots:
    // It opens on the last run made, plots it, switches to the other, and shows nothing
    // once the problem has changed.
    void opensTheLastRunOfTheCurrentProblemOnly() {
        VantrellState state = SolvedState();
        testing::ScriptedPrompt prompt;
        CReviewDlg review(state, prompt, [](bool) { return nullptr; });
        QVERIFY(review.Reload());
        QVERIFY(review.ShowsDual());
        QCOMPARE(review.PageCount(), state.mDualTableauCount);
        QCOMPARE(review.ShownPageIndex(), state.mDualTableauCount - 1);
        review.OpenPlot();  // with no plot of the main window's: one of its own, in Y1 and Y2
        QVERIFY(review.LinkedPlot() != nullptr);
        QCOMPARE(review.LinkedPlot()->Path()->axisNames, (std::vector<std::string>{"Y1", "Y2"}));
        QCOMPARE(review.LinkedPlot()->HighlightedPage(), state.mDualTableauCount - 1);

        QTest::mouseClick(review.findChild<QRadioButton*>("primalRunButton"), Qt::LeftButton);
        QVERIFY(!review.ShowsDual());
        QCOMPARE(review.PageCount(), state.mPrimalTableauCount);
        auto* pages = review.findChild<QListWidget*>("pageList");
        QCOMPARE(pages->item(0)->text(), QStringLiteral("Setup: the first tableau"));
        QCOMPARE(pages->item(1)->text(), QStringLiteral("Iteration 1: X2 enters, S2 leaves"));
        QTest::mouseClick(review.findChild<QPushButton*>("homeButton"), Qt::LeftButton);
        QCOMPARE(review.ShownPageIndex(), -1);
        QVERIFY(review.findChild<QListWidget*>("tableauList")
                    ->item(0)
                    ->text()
                    .startsWith(QStringLiteral("The problem: Maximize Z = ")));
        review.SelectPage(0);
        auto* tableau = review.findChild<QListWidget*>("tableauList");
        QVERIFY(tableau->item(3)->data(kPivotRowRole).toBool());  // S2's row, marked
        QVERIFY(review.findChild<QLabel*>("noteLabel")->text().startsWith("X2 enters: "));

        state.mPrimal.constraints[0].rhs = 5;
        QVERIFY(!review.Reload());
        QCOMPARE(review.PageCount(), 0);
    }

    // The plot highlights the page on show; a click on a point selects its page here.
    void plotFollowsThePageAndAClickSelectsIt() {
        VantrellState state = SolvedState();
        testing::ScriptedPrompt prompt;
        CGraphDlg plot(state, prompt, {});
        CReviewDlg review(state, prompt, [&plot](bool) { return &plot; });
        review.Reload();
        review.ShowRun(false);
        review.OpenPlot();
        QVERIFY(plot.isVisible());
        QCOMPARE(plot.Path()->points.size(), std::size_t(2));
        QCOMPARE(plot.HighlightedPage(), 1);

        review.SelectPage(0);
        QCOMPARE(plot.HighlightedPage(), 0);
        QCOMPARE(plot.Chart()->Path().highlighted, 0);
        QCOMPARE(plot.Chart()->Path().enteringEdge.size(), std::size_t(2));

        emit plot.Chart()->PathPointClicked(1);
        QCOMPARE(review.ShownPageIndex(), 1);
        QCOMPARE(review.findChild<QListWidget*>("pageList")->currentRow(), 2);  // after the setup
        QCOMPARE(plot.HighlightedPage(), 1);
    }

    // In fractions the review shows its pages in the grid, one number to a cell.
    void showsFractionsInTheGrid() {
        VantrellState state = SolvedState();
        state.mDisplay = {NumberStyle::Fractions, BigMStyle::Expressions};
        testing::ScriptedPrompt prompt;
        CReviewDlg review(state, prompt, [](bool) { return nullptr; });
        review.show();
        review.Reload();
        review.ShowRun(false);
        review.SelectPage(0);
        auto* grid = review.findChild<TableauGrid*>("tableauGrid");
        QVERIFY(grid->isVisible());
        QVERIFY(!review.findChild<QListWidget*>("tableauList")->isVisible());
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("X1"));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("5"));  // X2's Cj, as a fraction
        // The setup is text, not a tableau: it shows as lines.
        review.findChild<QListWidget*>("pageList")->setCurrentRow(0);
        auto* lines = review.findChild<QListWidget*>("tableauList");
        QVERIFY(lines->isVisible() && !grid->isVisible() && lines->count() > 0);
    }

    // An unbounded run ends on the tableau that decides it: its column enters, nothing
    // leaves, and its note says why.
    void anUnboundedRunEndsOnItsDecidingTableau() {
        VantrellState state = testing::SolvedState(
            testing::MakeProblem({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}}));
        testing::ScriptedPrompt prompt;
        CReviewDlg review(state, prompt, [](bool) { return nullptr; });
        QVERIFY(review.Reload());
        QCOMPARE(review.PageCount(), state.mPrimalTableauCount + 1);
        QCOMPARE(review.ShownPageIndex(), state.mPrimalTableauCount);
        QCOMPARE(review.findChild<QLineEdit*>("enteringField")->text(), QStringLiteral("X2"));
        QCOMPARE(review.findChild<QLineEdit*>("leavingField")->text(), QString());
        QVERIFY(review.findChild<QLabel*>("noteLabel")
                    ->text()
                    .contains(QStringLiteral("X2 can grow without limit and Z with it.")));
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::ReviewDialogTest)
#include "review_dialog_test.moc"

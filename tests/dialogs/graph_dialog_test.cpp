// SPDX-License-Identifier: GPL-3.0-or-later
// The plot window, with the animation driven tick by tick.
#include "dialogs/graph_dialog.h"

#include <QChart>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSlider>
#include <QValueAxis>
#include <QtTest>

#include "dialogs/ms_chart.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {

class GraphDialogTest : public QObject {
    Q_OBJECT

    // Maximize 3 X1 + 5 X2 subject to X1 <= 4, 2 X2 <= 12, 3 X1 + 2 X2 <= 18.
    static VantrellState ExampleState() {
        VantrellState state;
        state.mPrimal = testing::MakeProblem(
            {3, 5}, {{{1, 0}, "<=", 4, "C1"}, {{0, 2}, "<=", 12, "C2"}, {{3, 2}, "<=", 18, "C3"}});
        return state;
    }

    struct Fixture {
        VantrellState state;
        testing::ScriptedPrompt prompt;
        int solutionRedraws = 0;
        CGraphDlg dialog;

        explicit Fixture(VantrellState initial)
            : state(std::move(initial)), dialog(state, prompt, [this] { ++solutionRedraws; }) {}
    };

  private slots:
    void playSweepsToTheBestCornerAndClosingWritesIt() {
        Fixture f(ExampleState());
        f.dialog.show();
        f.dialog.Play();
        int ticks = 0;
        for (; f.dialog.IsAnimating() && ticks < 10000; ++ticks) {
            f.dialog.Tick();
        }
        QCOMPARE(ticks, 47);
        QCOMPARE(f.dialog.TimerInterval(), 100);  // the fast end of the slider
        QCOMPARE(f.dialog.findChild<QListWidget*>("feasibleList")->currentRow(), 4);
        QCOMPARE(f.state.mGraphPoint, 4);

        f.dialog.close();
        QCOMPARE(f.state.mSolutionLines,
                 (std::vector<std::string>{"X1 = 2.000", "X2 = 6.000", "Solution = 36.000"}));
        QCOMPARE(f.solutionRedraws, 1);
    }

    void slowEndNegativeScaleAndClosingBeforeTheEnd() {
        Fixture f(ExampleState());
        f.dialog.show();
        f.dialog.findChild<QSlider*>("speedSlider")->setValue(100);
        f.dialog.Play();
        QCOMPARE(f.dialog.TimerInterval(), 1100);
        f.dialog.findChild<QLineEdit*>("scaleField")->setText("-3");
        QCOMPARE(f.prompt.messages, std::vector<std::string>{"Cannot use a negative scale"});
        f.state.mSolutionLines = {"old"};
        f.dialog.close();
        QVERIFY(!f.dialog.IsAnimating());  // the timer never outlives the window
        // No point was reached: the main window's solution stays as it was.
        QCOMPARE(f.state.mSolutionLines, std::vector<std::string>{"old"});
        QCOMPARE(f.solutionRedraws, 0);
    }

    // Region mode: the region filled, no legend. Constraints mode: labelled segments with a
    // legend. In both the objective line has its own colour and the optimum is marked with
    // its coordinates and Z.
    void regionAndConstraintsModes() {
        Fixture f(ExampleState());
        f.dialog.show();
        CMSChart* chart = f.dialog.Chart();
        const auto objectiveColoured = [chart] {
            QStringList names;
            for (QAbstractSeries* series : chart->Chart()->series()) {
                auto* line = qobject_cast<QLineSeries*>(series);
                if (line != nullptr && line->pen().color() == CMSChart::ObjectiveColour()) {
                    names << line->name();
                }
            }
            return names;
        };
        QVERIFY(!chart->Chart()->legend()->isVisible());
        QCOMPARE(chart->RegionPolygon().size(), 6);  // five corners and the padded last
        QCOMPARE(objectiveColoured(), QStringList{"Obj Function"});
        auto* mark = qobject_cast<QScatterSeries*>(chart->Chart()->series().last());
        QVERIFY(mark != nullptr);
        QCOMPARE(mark->pointLabelsFormat(), QStringLiteral("(2.000, 6.000) Z = 36.000"));
        auto* axis = qobject_cast<QValueAxis*>(chart->Chart()->axes(Qt::Horizontal).first());
        QCOMPARE(axis->tickInterval(), 2.0);

        QTest::mouseClick(f.dialog.findChild<QRadioButton*>("constraintsButton"), Qt::LeftButton);
        QVERIFY(chart->Chart()->legend()->isVisible());
        QVERIFY(chart->RegionPolygon().isEmpty());
        QCOMPARE(chart->ColumnLabel(1), QStringLiteral("C1"));
        QCOMPARE(chart->Chart()->series().size(), qsizetype(5));  // and the optimum's mark
        QCOMPARE(objectiveColoured(), QStringList{"Obj Function"});
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::GraphDialogTest)
#include "graph_dialog_test.moc"

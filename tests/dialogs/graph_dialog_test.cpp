// SPDX-License-Identifier: GPL-3.0-or-later
// The plot window, with the animation driven tick by tick.
#include "dialogs/graph_dialog.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
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

    static QStringList LegendNames(CMSChart* chart) {
        QStringList names;
        for (QLegendMarker* marker : chart->Chart()->legend()->markers()) {
            if (!marker->label().isEmpty()) {
                names << marker->label();
            }
        }
        return names;
    }

    static VantrellState StateOf(const std::vector<testing::RowSpec>& rows,
                                 std::vector<double> costs = {3, 5}) {
        VantrellState state;
        state.mPrimal = testing::MakeProblem(costs, rows);
        return state;
    }

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

    // Region mode: the region filled. Constraints mode: labelled segments. Both name their
    // line styles in a legend; in both the objective line has its own colour and the
    // optimum is marked with its coordinates and Z.
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
        QVERIFY(chart->Chart()->legend()->isVisible());
        QCOMPARE(LegendNames(chart),
                 (QStringList{"Feasible Region", "Obj Function", "Best corner"}));
        QCOMPARE(chart->RegionPolygon().size(), 6);  // five corners and the closing one
        QCOMPARE(objectiveColoured(), QStringList{"Obj Function"});
        auto* mark = qobject_cast<QScatterSeries*>(chart->Chart()->series().last());
        QVERIFY(mark != nullptr);
        QCOMPARE(chart->MarkedLabel(), QStringLiteral("(2.000, 6.000) Z = 36.000"));
        auto* axis = qobject_cast<QValueAxis*>(chart->Chart()->axes(Qt::Horizontal).first());
        QCOMPARE(axis->tickInterval(), 2.0);

        QTest::mouseClick(f.dialog.findChild<QRadioButton*>("constraintsButton"), Qt::LeftButton);
        QVERIFY(chart->Chart()->legend()->isVisible());
        QVERIFY(chart->RegionPolygon().isEmpty());
        QCOMPARE(chart->ColumnLabel(1), QStringLiteral("C1"));
        QCOMPARE(chart->Chart()->series().size(), qsizetype(5));  // and the optimum's mark
        QCOMPARE(objectiveColoured(), QStringList{"Obj Function"});
    }

    // Each showing works the view out for the problem it shows: a small exercise after a
    // large one fills the chart instead of sitting at the origin.
    void theViewFitsEachProblemAnew() {
        Fixture f(ExampleState());
        f.dialog.show();
        QCOMPARE(f.dialog.Chart()->AxisMaximum(), 13.5);
        f.dialog.hide();
        f.state = StateOf({{{1, 1}, "<=", 2, "Small"}, {{1, 0}, "<=", 1, "Half"}});
        f.dialog.show();
        QCOMPARE(f.dialog.Chart()->AxisMaximum(), 3.0);
    }

    // The strip X1 - X2 <= 1, -X1 + X2 <= 1 grows without end: its region reaches the
    // view's edge with a dotted open side, both constraint lines are drawn, and no corner
    // is called the best.
    void anUnboundedRegionIsDrawnToTheEdge() {
        Fixture f(StateOf({{{1, -1}, "<=", 1, "Gap1"}, {{-1, 1}, "<=", 1, "Gap2"}}, {1, 1}));
        f.dialog.show();
        CMSChart* chart = f.dialog.Chart();
        QVERIFY(chart->RegionPolygon().contains(QPointF(1.5, 1.5)));
        for (const QPointF& point : chart->RegionPolygon()) {
            QVERIFY(point.x() >= 0.0 && point.y() >= 0.0);
        }
        QVERIFY(LegendNames(chart).contains(QStringLiteral("Region goes on")));
        QVERIFY(chart->MarkedLabel().isEmpty());
        auto* list = f.dialog.findChild<QListWidget*>("feasibleList");
        QCOMPARE(list->count(), 3);
        f.dialog.Play();
        QCOMPARE(f.prompt.messages.back(), std::string(kUnboundedPlayMessage));

        QTest::mouseClick(f.dialog.findChild<QRadioButton*>("constraintsButton"), Qt::LeftButton);
        int drawn = 0;
        for (QAbstractSeries* series : chart->Chart()->series()) {
            auto* line = qobject_cast<QLineSeries*>(series);
            if (line != nullptr && line->name().startsWith(QStringLiteral("Gap"))) {
                drawn += line->count() >= 2 && line->at(0) != line->at(1) ? 1 : 0;
            }
        }
        QCOMPARE(drawn, 2);
    }

    // The optimum's label stays inside the plot area and off its marker, even when the
    // optimum lies on the left edge; points on an axis show whole.
    void theOptimumsLabelStaysInsideAndClearOfItsMark() {
        Fixture f(StateOf({{{1, 0}, "<=", 4, "Right"}, {{0, 1}, "<=", 6, "Top"}}, {-1, 5}));
        f.dialog.resize(700, 560);
        f.dialog.show();
        QCoreApplication::processEvents();  // lays the chart out in its window
        CMSChart* chart = f.dialog.Chart();
        QCOMPARE(chart->MarkedLabel(), QStringLiteral("(0.000, 6.000) Z = 30.000"));
        const QRectF label = chart->MarkedLabelRect();
        const QRectF area = chart->Chart()->plotArea();
        QVERIFY(area.contains(label));
        const QPointF mark = chart->Chart()->mapToPosition(QPointF(0.0, 6.0));
        QVERIFY(!label.adjusted(-6, -6, 6, 6).contains(mark));
        auto* axis = qobject_cast<QValueAxis*>(chart->Chart()->axes(Qt::Horizontal).first());
        QVERIFY(axis->min() < 0.0);
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::GraphDialogTest)
#include "graph_dialog_test.moc"

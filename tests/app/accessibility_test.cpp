// SPDX-License-Identifier: GPL-3.0-or-later
// Every window can be worked from the keyboard and read by a screen reader: Tab reaches
// every control in reading order, and every control has a name.
#include <QAccessible>
#include <QtTest>

#include "app/vantrell_dlg.h"
#include "dialogs/about_dialog.h"
#include "dialogs/constraints_dialog.h"
#include "dialogs/excel_dialog.h"
#include "dialogs/exercise_dialog.h"
#include "dialogs/graph_dialog.h"
#include "dialogs/help_dialog.h"
#include "dialogs/objective_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/practice_dialog.h"
#include "dialogs/review_dialog.h"
#include "dialogs/sensitivity_dialog.h"
#include "dialogs/tableau_dialog.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

// The widgets Tab visits in a window, in the order it visits them.
QList<QWidget*> TabOrder(QWidget* window) {
    QList<QWidget*> order;
    QWidget* widget = window;
    do {
        widget = widget->nextInFocusChain();
        if (widget != window && widget->isVisibleTo(window) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) && !order.contains(widget)) {
            order << widget;
        }
    } while (widget != window);
    return order;
}

QStringList ObjectNames(const QList<QWidget*>& widgets) {
    QStringList names;
    for (QWidget* widget : widgets) {
        names << widget->objectName();
    }
    return names;
}

// Focusable widgets that a screen reader could not name: no accessible name of their own,
// no caption, no label pointing at them.
QStringList UnnamedFocusables(QWidget* window) {
    QStringList unnamed;
    for (QWidget* widget : TabOrder(window)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                     widget->metaObject()->className());
        }
    }
    return unnamed;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    testing::ScriptedPrompt prompt;
    SilentPresenter presenter;

    // Every window is named throughout and fits a 1366 x 768 screen with its title bar.
    void ExpectAllNamed(QWidget& window) {
        window.show();
        const QStringList unnamed = UnnamedFocusables(&window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(window.objectName() + ": " + unnamed.join(", ")));
        const QSize small(1366, 768 - 40);
        QVERIFY2(window.size().boundedTo(small) == window.size(),
                 qPrintable(window.objectName() + QStringLiteral(" opens too large")));
        QVERIFY2(window.minimumSizeHint().boundedTo(small) == window.minimumSizeHint(),
                 qPrintable(window.objectName() + QStringLiteral(" cannot be made small enough")));
    }

  private slots:
    void mainWindowTabsInReadingOrder() {
        CVantrellDlg window(prompt, presenter);
        ExpectAllNamed(window);
        QCOMPARE(ObjectNames(TabOrder(&window)),
                 (QStringList{"problemNameEdit", "fileNameEdit", "primalObjective", "primalList",
                              "dualObjective", "dualList", "solutionList", "nField", "mField",
                              "nMinusMField"}));
    }

    void labelMnemonicsMoveTheFocus() {
        CVantrellDlg window(prompt, presenter);
        window.show();
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("fileNameEdit"));
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("problemNameEdit"));
    }

    void everyDialogNamesItsControls() {
        CVantrellDlg window(prompt, presenter);
        VantrellState& state = window.State();
        state.mPrimal = testing::MakeProblem({3, 5}, {{{1, 0}, "<=", 4}, {{3, 2}, "<=", 18}});

        CObjectiveDlg objective(state, window, prompt);
        ExpectAllNamed(objective);
        CConstraintsDlg constraints(state, window, prompt);
        ExpectAllNamed(constraints);
        COptionsDlg options(state, prompt);
        ExpectAllNamed(options);
        CHelpDlg help(state, prompt);
        ExpectAllNamed(help);
        CAboutDlg about(prompt, {});
        ExpectAllNamed(about);
        CTableauDlg tableau(TableauPage{}, state, prompt);
        ExpectAllNamed(tableau);
        QCOMPARE(ObjectNames(TabOrder(&tableau)),
                 (QStringList{"iterationField", "zField", "nextButton", "stopButton",
                              "leavingField", "enteringField", "pivotField", "tableauList"}));
        CReviewDlg review(state, prompt, {});
        ExpectAllNamed(review);
        CExcelDlg excel(state);
        ExpectAllNamed(excel);
        CGraphDlg graph(state, prompt, [] {});
        ExpectAllNamed(graph);
        CurrentSensitivity current;
        current.sensitivity.constraints.push_back({"C1", 1, {}});
        current.sensitivity.variables.push_back({"X1", 0, {}});
        CSensitivityDlg sensitivity(current, NoteNumbersOf(state), nullptr, {"W = 1, Z = 1"},
                                    [](const std::string&) { return std::vector<std::string>{}; });
        ExpectAllNamed(sensitivity);
        CExerciseDlg exercise(1);
        ExpectAllNamed(exercise);
        PracticeSession session(false);
        CPracticeDlg practice(session);
        ExpectAllNamed(practice);
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::AccessibilityTest)
#include "accessibility_test.moc"

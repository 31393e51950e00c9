// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/objective_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "dialogs/recording_views.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {

using testing::MakeProblem;

// One open dialog over a state, its widgets found by name.
struct ObjectiveFixture {
    explicit ObjectiveFixture(VantrellState& state) : dialog(state, views, prompt) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    QLineEdit* Field(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    QString Text(const char* name) { return Field(name)->text(); }
    QComboBox* Variable() { return dialog.findChild<QComboBox*>("variableBox"); }
    void Click(const char* name) {
        QTest::mouseClick(dialog.findChild<QWidget*>(name), Qt::LeftButton);
    }
    static void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, text);
    }

    testing::RecordingViews views;
    testing::ScriptedPrompt prompt;
    CObjectiveDlg dialog;
};

class ObjectiveDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsEachPickedCoefficient() {
        VantrellState state;
        state.mPrimal = MakeProblem({3, -2.5}, {});
        ObjectiveFixture f(state);
        f.Variable()->setFocus();
        for (const char* expected : {"-2.500", "0.000"}) {
            QTest::keyClick(f.Variable(), Qt::Key_Down);
            QCOMPARE(f.Text("coefficientEdit"), QString::fromLatin1(expected));
        }
    }

    // Leaving the box for Add must not count as a pick that shows X2's old cost in place
    // of the typed one; Add asks the main window to redraw.
    void typedVariableIsAddedAndTheMainWindowRefreshed() {
        VantrellState state;
        state.mPrimal = MakeProblem({1, 1}, {{{1, 1}, "<=", 4}});
        ObjectiveFixture f(state);
        f.Type(f.Field("coefficientEdit"), QStringLiteral("7"));
        f.Type(f.Variable()->lineEdit(), QStringLiteral("x2"));
        f.Click("addButton");
        QCOMPARE(state.mPrimal.objective[1].cost, 7.0);
        QCOMPARE(f.views.calls, testing::RefreshAfterChange());
        QCOMPARE(f.Variable()->currentText(), QStringLiteral("X3"));

        f.views.calls.clear();
        f.prompt.answers = {false};
        f.Click("clearButton");
        QCOMPARE(f.prompt.questions.size(), std::size_t{1});
        QCOMPARE(state.mPrimal.objective.size(), std::size_t{2});
        QVERIFY(f.views.calls.isEmpty());
    }

    // Enter neither adds nor closes; the sense is written at the click and kept after Escape.
    void enterKeepsTheDialogAndEscapeKeepsTheSense() {
        VantrellState state;
        state.mPrimal = MakeProblem({3}, {});
        ObjectiveFixture f(state);
        f.Type(f.Field("coefficientEdit"), QStringLiteral("9"));
        testing::PressEnterIn({f.dialog.findChild<QPushButton*>("addButton"),
                               f.Field("coefficientEdit"), f.Variable()->lineEdit()});
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(state.mPrimal.objective[0].cost, 3.0);

        for (const bool minimize : {true, false, true}) {
            f.Click(minimize ? "minimizeButton" : "maximizeButton");
            QCOMPARE(state.mMinimize, minimize);
        }
        QTest::keyClick(&f.dialog, Qt::Key_Escape);
        QVERIFY(!f.dialog.isVisible() && state.mMinimize);
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::ObjectiveDialogTest)
#include "objective_dialog_test.moc"

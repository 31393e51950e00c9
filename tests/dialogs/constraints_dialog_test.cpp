// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/constraints_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "dialogs/recording_views.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {

using testing::MakeProblem;
using Messages = std::vector<std::string>;

// The main window's selection is set before the dialog opens, as a double-click does.
struct ConstraintsFixture {
    ConstraintsFixture(VantrellState& state, int selectedLine)
        : views(Selecting(selectedLine)), dialog(state, views, prompt) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    static testing::RecordingViews Selecting(int line) {
        testing::RecordingViews selecting;
        selecting.selected = line;
        return selecting;
    }
    QLineEdit* Field(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    QString Text(const char* name) { return Field(name)->text(); }
    QComboBox* Box(const char* name) { return dialog.findChild<QComboBox*>(name); }
    void Click(const char* name) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
    }
    static void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, text);
    }
    void AddVar(int item, const QString& coefficient) {
        Box("variableBox")->setCurrentIndex(item);
        Type(Field("coefficientEdit"), coefficient);
        Click("addVarButton");
    }

    testing::RecordingViews views;
    testing::ScriptedPrompt prompt;
    CConstraintsDlg dialog;
};

class ConstraintsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // The editor's texts are pinned by the core tests; the dialog shows them, asks for the
    // redraw after Add Con, and moves on to the next new constraint.
    void newModeAddsAConstraintAndRefreshesTheMainWindow() {
        VantrellState state;
        state.mPrimal = MakeProblem({3}, {});
        ConstraintsFixture f(state, -1);
        f.Click("addConButton");
        QCOMPARE(f.prompt.messages, Messages{"There are no coefficients"});
        f.Box("relationBox")->setCurrentIndex(2);
        f.Type(f.Field("rhsEdit"), QStringLiteral("9"));
        f.AddVar(1, QStringLiteral("3"));
        f.Type(f.Field("nameEdit"), QStringLiteral("Plant"));
        QCOMPARE(f.Text("previewText"), QStringLiteral(" + 0.000 X1 + 3.000 X2 >= 9.000"));
        QVERIFY(f.views.calls.isEmpty());
        f.Click("addConButton");
        QCOMPARE(state.mPrimal.constraintNames, (Messages{"Plant"}));
        QCOMPARE(state.mPrimal.constraints[0].rhs, 9.0);
        QCOMPARE(f.views.calls, testing::RefreshAfterChange());
        QCOMPARE(f.Box("variableBox")->currentText(), QStringLiteral("X1"));
        QCOMPARE(f.dialog.findChild<QLabel*>("modeLabel")->text(), "Adding constraint 2");
    }

    // The line selected in the main window is the one edited.
    void editModeEditsTheSelectedLine() {
        VantrellState state;
        state.mPrimal = MakeProblem({1, 1}, {{{1, 2}, "<=", 4, "A"}, {{-3, 5}, "=", 8, "B"}});
        ConstraintsFixture f(state, 1);
        QCOMPARE(f.dialog.findChild<QLabel*>("modeLabel")->text(), "Editing constraint 2: B");
        QCOMPARE(f.Text("coefficientEdit"), QStringLiteral("-3.000"));
        f.Type(f.Field("rhsEdit"), QStringLiteral("-5"));
        f.Box("relationBox")->setCurrentIndex(2);
        f.Click("addConButton");
        QVERIFY(f.prompt.messages.empty());
        QCOMPARE(state.mPrimal.constraints[1].rhs, -5.0);
        QCOMPARE(state.mPrimal.constraints[1].relationText, std::string(">="));
        QCOMPARE(f.views.calls, testing::RefreshAfterChange());
    }

    void enterNeitherAddsNorCloses() {
        VantrellState state;
        ConstraintsFixture f(state, -1);
        f.Type(f.Field("coefficientEdit"), QStringLiteral("2"));
        testing::PressEnterIn({f.dialog.findChild<QPushButton*>("addVarButton"),
                               f.dialog.findChild<QPushButton*>("addConButton"),
                               f.Field("nameEdit"), f.Field("coefficientEdit"), f.Field("rhsEdit"),
                               f.Box("variableBox")->lineEdit(), f.Box("relationBox")->lineEdit()});
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.Text("previewText"), QString());
        QVERIFY(f.prompt.messages.empty());
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::ConstraintsDialogTest)
#include "constraints_dialog_test.moc"

#include "dialogs/constraints_dialog.h"

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
    // The dialog asks the main window's selection at each press: the selected row is edited
    // until the redraw after Add Con clears it, then the presses assemble a new row.
    void editsTheSelectedRowThenRefreshesAndStartsANewOne() {
        VantrellState state;
        state.mPrimal = MakeProblem({1, 1}, {{{1, 2}, "<=", 4, "A"}, {{-3, 5}, "=", 8, "B"}});
        ConstraintsFixture f(state, 1);
        QCOMPARE(f.Text("coefficientEdit"), QStringLiteral("-3.000"));
        f.AddVar(3, QStringLiteral("6"));
        QCOMPARE(f.Text("previewText"),
                 QStringLiteral(" - 3.000 X1 + 5.000 X2 + 0.000 X3 + 6.000 X4 = 8.000"));
        QVERIFY(f.views.calls.isEmpty());

        f.Type(f.Field("rhsEdit"), QStringLiteral("-1"));
        f.Click("addConButton");
        QCOMPARE(f.prompt.messages.size(), std::size_t{1});
        QVERIFY(f.views.calls.isEmpty());
        f.Type(f.Field("rhsEdit"), QStringLiteral("5"));
        f.Click("addConButton");
        QCOMPARE(state.mPrimal.constraints[1].rhs, 5.0);
        QCOMPARE(f.views.calls, testing::RefreshAfterChange());

        f.AddVar(0, QStringLiteral("2"));
        QCOMPARE(f.Text("previewText"), QStringLiteral(" + 2.000 X1 = 0.000"));
        QCOMPARE(state.mPrimal.constraints[1].coefficients[0], -3.0);
    }

    void enterNeitherAddsNorCloses() {
        VantrellState state;
        ConstraintsFixture f(state, -1);
        f.Type(f.Field("coefficientEdit"), QStringLiteral("2"));
        for (const char* name : {"addVarButton", "addConButton"}) {
            auto* button = f.dialog.findChild<QPushButton*>(name);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
        }
        for (QLineEdit* field :
             {f.Field("nameEdit"), f.Field("coefficientEdit"), f.Field("rhsEdit"),
              f.Box("variableBox")->lineEdit(), f.Box("relationBox")->lineEdit()}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        }
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.Text("previewText"), QString());
        QVERIFY(f.prompt.messages.empty());
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::ConstraintsDialogTest)
#include "constraints_dialog_test.moc"

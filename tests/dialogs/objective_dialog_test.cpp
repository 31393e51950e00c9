#include "dialogs/objective_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    template <typename Widget>
    Widget* Find(const char* name) {
        return dialog.findChild<Widget*>(name);
    }
    QString Text(const char* name) { return Find<QLineEdit>(name)->text(); }
    QComboBox* Variable() { return Find<QComboBox>("variableBox"); }
    void Click(const char* name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, text);
    }
    void AddTerm(int item, const QString& coefficient) {
        Variable()->setCurrentIndex(item);
        Type(Find<QLineEdit>("coefficientEdit"), coefficient);
        Click("addButton");
    }

    testing::RecordingViews views;
    testing::ScriptedPrompt prompt;
    CObjectiveDlg dialog;
};

class ObjectiveDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheFirstTermAndShowsTheSlope() {
        VantrellState state;
        state.mPrimal = MakeProblem({3, 2}, {});
        state.mMinimize = true;
        ObjectiveFixture f(state);

        QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Objective Function Dialog"));
        QCOMPARE(f.Variable()->currentText(), QStringLiteral("X1"));
        QCOMPARE(f.Text("coefficientEdit"), QStringLiteral("3.000"));
        QCOMPARE(f.Text("objectiveText"), QStringLiteral("3.000 X1 + 2.000 X2"));
        QCOMPARE(f.Text("slopeFraction"), QStringLiteral("- 3.000/2.000"));
        QCOMPARE(f.Text("slopeValue"), QStringLiteral("-1.500"));
        QVERIFY(f.Find<QRadioButton>("minimizeButton")->isChecked());
        QVERIFY(!f.Find<QRadioButton>("maximizeButton")->isChecked());
    }

    void addWidensTheRowsAndRefreshesTheMainWindow() {
        VantrellState state;
        state.mPrimal = MakeProblem({}, {{{1, 1}, "<=", 4}});
        ObjectiveFixture f(state);

        f.AddTerm(2, QStringLiteral("5"));

        QCOMPARE(state.mPrimal.objective.size(), std::size_t{3});
        QCOMPARE(state.mPrimal.constraints[0].ColumnCount(), std::size_t{3});
        QCOMPARE(f.Text("objectiveText"), QStringLiteral("0.000 X1 + 0.000 X2 + 5.000 X3"));
        QCOMPARE(f.Text("slopeValue"), QStringLiteral("N/A"));
        QCOMPARE(f.views.calls, testing::RefreshAfterChange());
        // The box moves on; the field keeps what was typed.
        QCOMPARE(f.Variable()->currentText(), QStringLiteral("X4"));
        QCOMPARE(f.Text("coefficientEdit"), QStringLiteral("5"));
    }

    // Leaving the box for Add must not count as a pick that shows X2's old cost in place
    // of the typed one.
    void typedVariableTakesTheTypedCoefficient() {
        VantrellState state;
        state.mPrimal = MakeProblem({1, 1}, {});
        ObjectiveFixture f(state);

        f.Type(f.Find<QLineEdit>("coefficientEdit"), QStringLiteral("7"));
        f.Type(f.Variable()->lineEdit(), QStringLiteral("x2"));
        f.Click("addButton");

        QCOMPARE(state.mPrimal.objective[1].cost, 7.0);
        QCOMPARE(f.Variable()->currentText(), QStringLiteral("X3"));
    }

    void afterX9NoVariableIsSelectedAndAddIsRefused() {
        VantrellState state;
        ObjectiveFixture f(state);
        f.AddTerm(8, QStringLiteral("1"));
        QCOMPARE(f.Variable()->currentText(), QString());
        f.views.calls.clear();

        f.Click("addButton");

        QCOMPARE(f.prompt.messages, (std::vector<std::string>{"Choose a variable from X1 to X9"}));
        QCOMPARE(state.mPrimal.objective.size(), std::size_t{9});
        QVERIFY(f.views.calls.isEmpty());
    }

    void pickingAVariableShowsItsCoefficient() {
        VantrellState state;
        state.mPrimal = MakeProblem({4, -2.5}, {});
        ObjectiveFixture f(state);
        f.Variable()->setFocus();

        QTest::keyClick(f.Variable(), Qt::Key_Down);
        QCOMPARE(f.Text("coefficientEdit"), QStringLiteral("-2.500"));
        QTest::keyClick(f.Variable(), Qt::Key_Down);
        QCOMPARE(f.Text("coefficientEdit"), QStringLiteral("0.000"));
    }

    void clear_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    void clear() {
        QFETCH(bool, yes);
        VantrellState state;
        state.mPrimal = MakeProblem({3, 2, 1}, {{{1, 1, 1}, "<=", 4}});
        ObjectiveFixture f(state);
        f.Variable()->setCurrentIndex(2);
        f.prompt.answers = {yes};

        f.Click("clearButton");

        QCOMPARE(f.prompt.questions, (std::vector<std::string>{"Do you really want to clear"}));
        QCOMPARE(state.mPrimal.objective.size(), std::size_t{yes ? 0u : 3u});
        QCOMPARE(state.mPrimal.constraints[0].ColumnCount(), std::size_t{3});
        QCOMPARE(f.Text("objectiveText").isEmpty(), yes);
        QCOMPARE(f.Text("slopeValue"), QStringLiteral("N/A"));
        QCOMPARE(f.Variable()->currentText(), QStringLiteral("X1"));
        QCOMPARE(f.Text("coefficientEdit"), QStringLiteral("0.0"));
        QVERIFY(f.views.calls.isEmpty());
    }

    void enterNeitherAddsNorCloses() {
        VantrellState state;
        state.mPrimal = MakeProblem({3}, {});
        ObjectiveFixture f(state);
        auto* coefficient = f.Find<QLineEdit>("coefficientEdit");
        f.Type(coefficient, QStringLiteral("9"));
        // Not even a button that had the focus.
        auto* add = f.Find<QPushButton>("addButton");
        add->setFocus();
        QTest::keyClick(add, Qt::Key_Return);

        for (QLineEdit* field : {coefficient, f.Variable()->lineEdit()}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        }

        QVERIFY(f.dialog.isVisible());
        QCOMPARE(state.mPrimal.objective[0].cost, 3.0);
        QCOMPARE(f.Variable()->count(), 9);
        QVERIFY(f.views.calls.isEmpty());
    }

    void senseIsWrittenAtTheClickAndStaysAfterEscape() {
        VantrellState state;
        ObjectiveFixture f(state);

        f.Click("minimizeButton");
        QVERIFY(state.mMinimize);
        f.Click("maximizeButton");
        QVERIFY(!state.mMinimize);
        f.Click("minimizeButton");
        QTest::keyClick(&f.dialog, Qt::Key_Escape);

        QVERIFY(!f.dialog.isVisible());
        QVERIFY(state.mMinimize);
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::ObjectiveDialogTest)
#include "objective_dialog_test.moc"

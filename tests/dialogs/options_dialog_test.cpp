// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/options_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/scripted_prompt.h"

namespace vantrell {

class OptionsDialogTest : public QObject {
    Q_OBJECT

    // The dialog on screen, as the main window's Options command shows it.
    struct Shown {
        explicit Shown(VantrellState& state) : dialog(state, prompt) { dialog.show(); }
        testing::ScriptedPrompt prompt;
        COptionsDlg dialog;
        QLineEdit* Edit() { return dialog.findChild<QLineEdit*>(QStringLiteral("decimalEdit")); }
        void Press(const char* button) {
            dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        }
        void Type(const QString& text) {
            Edit()->clear();
            QTest::keyClicks(Edit(), text);
        }
    };

  private slots:
    // Only integers from 0 to 10 are taken ("-2" as 2); a refused text keeps the dialog open
    // for a corrected one. Applying the count is the main window's part.
    void okTakesAnIntegerAndRefusesTheRest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("places");  // -1: refused, corrected to 6 and Enter pressed
        QTest::newRow("integer") << "5" << 5;
        QTest::newRow("minus sign dropped") << "-2" << 2;
        QTest::newRow("fraction") << "2.5" << -1;
        QTest::newRow("word") << "abc" << -1;
        QTest::newRow("above ten") << "11" << -1;
    }
    void okTakesAnIntegerAndRefusesTheRest() {
        QFETCH(QString, text);
        QFETCH(int, places);
        VantrellState state;
        state.mDecimalPlaces = 4;
        Shown shown(state);
        QCOMPARE(shown.Edit()->text(), QStringLiteral("4"));
        shown.Type(text);
        shown.Press("okButton");
        if (places < 0) {
            QCOMPARE(shown.prompt.messages.size(), std::size_t{1});
            QVERIFY(shown.dialog.isVisible());
            shown.Type(QStringLiteral("6"));
            QTest::keyClick(shown.Edit(), Qt::Key_Return);  // Enter presses Ok
            places = 6;
        }
        QCOMPARE(shown.dialog.DecimalPlaces(), places);
        QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!shown.dialog.isVisible());
        QCOMPARE(state.mDecimalPlaces, 4);
    }

    void dualityFlipsAtTheClickAndCancelPutsItBack() {
        VantrellState state;
        Shown shown(state);
        auto* box = shown.dialog.findChild<QCheckBox*>(QStringLiteral("dualityBox"));
        QVERIFY(box->isChecked());
        box->click();
        QVERIFY(!state.mDisplayDuality);
        shown.Press("cancelButton");
        QCOMPARE(shown.dialog.result(), int(QDialog::Rejected));
        QVERIFY(state.mDisplayDuality);
    }

    // The two display boxes start from the state and are handed back by Ok only.
    void displayBoxesAreHandedBackByOk() {
        for (const bool ok : {true, false}) {
            VantrellState state;
            state.mDisplay.bigM = BigMStyle::Expressions;
            Shown shown(state);
            auto* numbers = shown.dialog.findChild<QComboBox*>(QStringLiteral("numbersBox"));
            auto* bigM = shown.dialog.findChild<QComboBox*>(QStringLiteral("bigMBox"));
            QCOMPARE(numbers->currentText(), QStringLiteral("Decimals"));
            QCOMPARE(bigM->currentText(), QStringLiteral("Expressions"));
            numbers->setFocus();
            QTest::keyClick(numbers, Qt::Key_Down);
            shown.Press(ok ? "okButton" : "cancelButton");
            const DisplayOptions expected{ok ? NumberStyle::Fractions : NumberStyle::Decimals,
                                          BigMStyle::Expressions};
            QVERIFY(shown.dialog.Display() == expected);
            QVERIFY(state.mDisplay ==
                    (DisplayOptions{NumberStyle::Decimals, BigMStyle::Expressions}));
        }
    }

    // Alt+E reaches the explain box, Space ticks it, Alt+R reaches the rule; both come back
    // through Ok only.
    void explainAndRuleByKeyboardAreHandedBackByOk() {
        VantrellState state;
        Shown shown(state);
        QApplication::setActiveWindow(&shown.dialog);
        QTest::keyClick(&shown.dialog, Qt::Key_E, Qt::AltModifier);
        auto* explain = shown.dialog.findChild<QCheckBox*>(QStringLiteral("explainBox"));
        QCOMPARE(QApplication::focusWidget(), explain);
        QTest::keyClick(explain, Qt::Key_Space);
        QTest::keyClick(&shown.dialog, Qt::Key_R, Qt::AltModifier);
        auto* rule = shown.dialog.findChild<QComboBox*>(QStringLiteral("ruleBox"));
        QCOMPARE(QApplication::focusWidget(), rule);
        QTest::keyClick(rule, Qt::Key_Down);
        QCOMPARE(rule->currentText(), QStringLiteral("Smallest index (Bland's rule)"));
        shown.Press("okButton");
        QVERIFY(shown.dialog.Explain());
        QVERIFY(shown.dialog.Rule() == PivotRule::SmallestIndex);
        QVERIFY(!state.mExplain && state.mPivotRule == PivotRule::LargestCjZj);
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::OptionsDialogTest)
#include "options_dialog_test.moc"

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
    // A refused text keeps the dialog open for a corrected one, and Enter presses Ok (what
    // is refused is pinned by the core tests). Applying the count is the main window's part.
    void aRefusedCountKeepsTheDialogOpen() {
        VantrellState state;
        state.mDecimalPlaces = 4;
        Shown shown(state);
        QCOMPARE(shown.Edit()->text(), QStringLiteral("4"));
        shown.Type(QStringLiteral("abc"));
        shown.Press("okButton");
        QCOMPARE(shown.prompt.messages.size(), std::size_t{1});
        QVERIFY(shown.dialog.isVisible());
        shown.Type(QStringLiteral("6"));
        QTest::keyClick(shown.Edit(), Qt::Key_Return);
        QCOMPARE(shown.dialog.DecimalPlaces(), 6);
        QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
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

    // The display boxes start from the state; Alt+E reaches the explain box, Space ticks
    // it, Alt+R reaches the rule; all come back through Ok only.
    void displayExplainAndRuleAreHandedBackByOk() {
        VantrellState state;
        state.mDisplay.bigM = BigMStyle::Expressions;
        Shown shown(state);
        QApplication::setActiveWindow(&shown.dialog);
        auto* numbers = shown.dialog.findChild<QComboBox*>(QStringLiteral("numbersBox"));
        QCOMPARE(numbers->currentText(), QStringLiteral("Decimals"));
        QCOMPARE(shown.dialog.findChild<QComboBox*>(QStringLiteral("bigMBox"))->currentText(),
                 QStringLiteral("Expressions"));
        numbers->setFocus();
        QTest::keyClick(numbers, Qt::Key_Down);
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
        QVERIFY(shown.dialog.Display() ==
                (DisplayOptions{NumberStyle::Fractions, BigMStyle::Expressions}));
        QVERIFY(shown.dialog.Explain());
        QVERIFY(shown.dialog.Rule() == PivotRule::SmallestIndex);
        QVERIFY(!state.mExplain && state.mPivotRule == PivotRule::LargestCjZj);
        QVERIFY(state.mDisplay == (DisplayOptions{NumberStyle::Decimals, BigMStyle::Expressions}));
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::OptionsDialogTest)
#include "options_dialog_test.moc"

#include "dialogs/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "commands/options_input.h"
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
    void okTakesAnIntegerAndRefusesTheRest() {
        const QString notInteger = QString::fromLatin1(kNotIntegerMessage);
        const std::pair<QString, QString> cases[] = {
            {"5", ""},
            {"-2", ""},
            {"2.5", notInteger},
            {"abc", notInteger},
            {"11", QString::fromStdString(DecimalRangeMessage())}};
        for (const auto& [text, message] : cases) {
            VantrellState state;
            state.mDecimalPlaces = 4;
            Shown shown(state);
            QCOMPARE(shown.Edit()->text(), QStringLiteral("4"));
            shown.Type(text);
            shown.Press("okButton");
            if (message.isEmpty()) {
                QVERIFY(shown.prompt.messages.empty());
                QCOMPARE(shown.dialog.DecimalPlaces(), std::abs(text.toInt()));
            } else {
                QCOMPARE(QString::fromStdString(shown.prompt.messages.at(0)), message);
                QVERIFY(shown.dialog.isVisible());
                QCOMPARE(shown.dialog.DecimalPlaces(), 4);
                shown.Type(QStringLiteral("6"));
                QTest::keyClick(shown.Edit(), Qt::Key_Return);  // Enter presses Ok
                QCOMPARE(shown.dialog.DecimalPlaces(), 6);
            }
            QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
            QVERIFY(!shown.dialog.isVisible());
            QCOMPARE(state.mDecimalPlaces, 4);
        }
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

    void helpExplainsAndChangesNothing() {
        VantrellState state;
        Shown shown(state);
        shown.Type(QStringLiteral("7"));
        shown.Press("helpButton");
        QCOMPARE(shown.prompt.messages, std::vector<std::string>{OptionsHelpText()});
        QVERIFY(shown.dialog.isVisible());
        QCOMPARE(shown.dialog.DecimalPlaces(), 3);
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::OptionsDialogTest)
#include "options_dialog_test.moc"

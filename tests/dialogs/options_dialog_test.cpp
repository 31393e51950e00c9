#include "dialogs/options_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "commands/options_input.h"
#include "support/scripted_prompt.h"

namespace vantrell {

using testing::ScriptedPrompt;

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private:
    // The dialog on screen, as the main window's Options command shows it.
    struct Shown {
        explicit Shown(VantrellState& state) : dialog(state, prompt) { dialog.show(); }
        ScriptedPrompt prompt;
        COptionsDlg dialog;

        QLineEdit* Edit() { return dialog.findChild<QLineEdit*>(QStringLiteral("decimalEdit")); }
        QCheckBox* DualityBox() {
            return dialog.findChild<QCheckBox*>(QStringLiteral("dualityBox"));
        }
        QPushButton* Button(const char* name) {
            return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
        }
        void Type(const QString& text) {
            Edit()->clear();
            QTest::keyClicks(Edit(), text);
        }
    };

  private slots:
    void opensWithTheStateOfTheMainWindow() {
        VantrellState state;
        state.mDecimalPlaces = 3;
        state.mDisplayDuality = false;
        Shown shown(state);
        QCOMPARE(shown.dialog.windowTitle(), QStringLiteral("Options Dialog"));
        QCOMPARE(shown.Edit()->text(), QStringLiteral("3"));
        QVERIFY(!shown.DualityBox()->isChecked());
        QCOMPARE(shown.DualityBox()->text(), QStringLiteral("Display Duality"));
        QCOMPARE(shown.Button("okButton")->text(), QStringLiteral("Ok"));
        QCOMPARE(shown.Button("cancelButton")->text(), QStringLiteral("Cancel"));
        QCOMPARE(shown.Button("helpButton")->text(), QStringLiteral("Help"));
        auto* hint = shown.dialog.findChild<QLabel*>(QStringLiteral("decimalHint"));
        QVERIFY(hint != nullptr);
        QCOMPARE(hint->text(), QStringLiteral("(0 to 10)"));
        QCOMPARE(shown.dialog.DecimalPlaces(), 3);
    }

    void okAcceptsAnInteger_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("places");
        QTest::newRow("five") << QStringLiteral("5") << 5;
        QTest::newRow("minus two gives two") << QStringLiteral("-2") << 2;
    }

    void okAcceptsAnInteger() {
        QFETCH(QString, text);
        QFETCH(int, places);
        VantrellState state;
        Shown shown(state);
        shown.Type(text);
        shown.Button("okButton")->click();
        QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!shown.dialog.isVisible());
        QCOMPARE(shown.dialog.DecimalPlaces(), places);
        QVERIFY(shown.prompt.messages.empty());
        // Applying the count and redrawing is the main window's part.
        QCOMPARE(state.mDecimalPlaces, 3);
    }

    void enterInTheFieldPressesOk() {
        VantrellState state;
        Shown shown(state);
        shown.Type(QStringLiteral("6"));
        QTest::keyClick(shown.Edit(), Qt::Key_Return);
        QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shown.dialog.DecimalPlaces(), 6);
    }

    void okRefusesTextItCannotUse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString notInteger = QString::fromLatin1(kNotIntegerMessage);
        const QString range = QString::fromStdString(DecimalRangeMessage());
        QTest::newRow("fraction") << QStringLiteral("2.5") << notInteger;
        QTest::newRow("word") << QStringLiteral("abc") << notInteger;
        QTest::newRow("above the bound") << QStringLiteral("11") << range;
    }

    void okRefusesTextItCannotUse() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        VantrellState state;
        state.mDecimalPlaces = 4;
        Shown shown(state);
        shown.Type(text);
        shown.Button("okButton")->click();
        QCOMPARE(shown.prompt.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(shown.prompt.messages.front()), message);
        QVERIFY(shown.dialog.isVisible());
        QCOMPARE(shown.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(shown.dialog.DecimalPlaces(), 4);
        QCOMPARE(shown.Edit()->text(), text);

        // The corrected field is then taken.
        shown.Type(QStringLiteral("2"));
        shown.Button("okButton")->click();
        QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shown.dialog.DecimalPlaces(), 2);
    }

    void dualityFlipsAtTheClickAndCancelKeepsIt() {
        VantrellState state;
        Shown shown(state);
        QVERIFY(shown.DualityBox()->isChecked());
        shown.DualityBox()->click();
        QVERIFY(!state.mDisplayDuality);
        shown.Button("cancelButton")->click();
        QCOMPARE(shown.dialog.result(), int(QDialog::Rejected));
        QVERIFY(!state.mDisplayDuality);
    }

    void helpExplainsAndChangesNothing() {
        VantrellState state;
        Shown shown(state);
        shown.Type(QStringLiteral("7"));
        shown.Button("helpButton")->click();
        QCOMPARE(shown.prompt.messages.size(), std::size_t{1});
        QCOMPARE(shown.prompt.messages.front(), OptionsHelpText());
        QVERIFY(shown.dialog.isVisible());
        QVERIFY(state.mDisplayDuality);
        QCOMPARE(shown.dialog.DecimalPlaces(), 3);
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::OptionsDialogTest)
#include "options_dialog_test.moc"

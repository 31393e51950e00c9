// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/help_dialog.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "commands/help_text.h"
#include "support/scripted_prompt.h"

namespace vantrell {

class HelpDialogTest : public QObject {
    Q_OBJECT

    // The dialog over a work directory holding the given guide, or none.
    struct Shown {
        explicit Shown(const QByteArray* guide) {
            if (guide != nullptr) {
                QFile file(dir.filePath(QString::fromLatin1(kGuideFileName)));
                file.open(QIODevice::WriteOnly);
                file.write(*guide);
            }
            state.mWorkDir = dir.path().toStdString();
            dialog.emplace(state, prompt);
        }
        QStringList Lines() {
            QStringList lines;
            for (int i = 0; i < List()->count(); ++i)
                lines << List()->item(i)->text();
            return lines;
        }
        QListWidget* List() { return dialog->findChild<QListWidget*>(QStringLiteral("helpList")); }
        QTemporaryDir dir;
        VantrellState state;
        testing::ScriptedPrompt prompt;
        std::optional<CHelpDlg> dialog;
    };

  private slots:
    // One list line per guide line, 8-bit bytes as Latin-1; Enter in the list closes.
    void showsTheGuideLineByLineAndEnterCloses() {
        const QByteArray guide =
            "Vantrell\r\n\r\nFl\xe4"
            "che\n";
        Shown shown(&guide);
        QCOMPARE(shown.Lines(), (QStringList{"Vantrell", "", QStringLiteral("Fl\u00e4che")}));
        QVERIFY(shown.prompt.messages.empty());
        shown.dialog->show();
        QTest::keyClick(shown.List(), Qt::Key_Return);
        QVERIFY(!shown.dialog->isVisible());
    }

    void missingGuideIsReportedAndListed() {
        Shown shown(nullptr);
        QCOMPARE(shown.prompt.messages, std::vector<std::string>{kMissingGuideMessage});
        QCOMPARE(shown.Lines(), QStringList{QString::fromLatin1(kMissingGuideMessage)});
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::HelpDialogTest)
#include "help_dialog_test.moc"

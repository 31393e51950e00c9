#include "dialogs/help_dialog.h"

#include <QDir>
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
    // CRLF ends, a line over the limit goes on in the next list line, 8-bit bytes as Latin-1;
    // the guide is found in the start directory after the current one moved.
    void showsTheGuideLineByLine() {
        const QString start = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const QByteArray longLine(static_cast<qsizetype>(kGuideLineLimit), 'a');
        const QByteArray guide = "Vantrell\r\n\r\n" + longLine +
                                 "bbb\nFl\xe4"
                                 "che\n";
        Shown shown(&guide);
        QCOMPARE(shown.Lines(), (QStringList{"Vantrell", "", QString::fromLatin1(longLine), "bbb",
                                             QStringLiteral("Fl\u00e4che")}));
        QVERIFY(shown.prompt.messages.empty());
        QCOMPARE(QDir::currentPath(), QDir(elsewhere.path()).canonicalPath());
        QDir::setCurrent(start);

        shown.dialog->show();
        shown.dialog->resize(500, 300);
        QCOMPARE(shown.List()->geometry(), QRect(10, 10, 480, 280));
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

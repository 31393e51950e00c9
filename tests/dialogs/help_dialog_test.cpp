#include "dialogs/help_dialog.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "commands/help_text.h"
#include "support/scripted_prompt.h"

namespace vantrell {

using testing::ScriptedPrompt;

class HelpDialogTest : public QObject {
    Q_OBJECT

  private:
    static void WriteGuide(const QTemporaryDir& dir, const QByteArray& content) {
        QFile file(dir.filePath(QString::fromLatin1(kGuideFileName)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    static QStringList ListLines(const CHelpDlg& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("helpList"));
        QStringList lines;
        for (int i = 0; list != nullptr && i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        return lines;
    }

    QString mStartDirectory;

  private slots:
    void init() { mStartDirectory = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(mStartDirectory); }

    void showsTheGuideLineByLine() {
        QTemporaryDir dir;
        WriteGuide(dir, "Vantrell\r\n\r\nPress Ctrl+P to solve.\r\n");
        VantrellState state;
        state.mWorkDir = dir.path().toStdString();
        ScriptedPrompt prompt;
        CHelpDlg dialog(state, prompt);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Help Dialog"));
        QCOMPARE(ListLines(dialog), (QStringList{QStringLiteral("Vantrell"), QString(),
                                                 QStringLiteral("Press Ctrl+P to solve.")}));
        QVERIFY(prompt.messages.empty());
    }

    void missingGuideIsReportedAndListed() {
        QTemporaryDir dir;
        VantrellState state;
        state.mWorkDir = dir.path().toStdString();
        ScriptedPrompt prompt;
        CHelpDlg dialog(state, prompt);
        QCOMPARE(prompt.messages, std::vector<std::string>{kMissingGuideMessage});
        QCOMPARE(ListLines(dialog), QStringList{QString::fromLatin1(kMissingGuideMessage)});
    }

    void guideIsFoundInTheStartDirectoryAfterTheCurrentOneMoved() {
        QTemporaryDir start;
        QTemporaryDir elsewhere;
        WriteGuide(start, "Start directory guide\n");
        VantrellState state;
        state.mWorkDir = start.path().toStdString();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        ScriptedPrompt prompt;
        CHelpDlg dialog(state, prompt);
        QCOMPARE(ListLines(dialog), QStringList{QStringLiteral("Start directory guide")});
        QVERIFY(prompt.messages.empty());
        // Opening the guide leaves the current directory where it was.
        QCOMPARE(QDir::currentPath(), QDir(elsewhere.path()).canonicalPath());
    }

    void lineOverTheLimitGoesOnInTheNextListLine() {
        QTemporaryDir dir;
        const QByteArray first(static_cast<qsizetype>(kGuideLineLimit), 'a');
        WriteGuide(dir, first + "bbb\nlast\n");
        VantrellState state;
        state.mWorkDir = dir.path().toStdString();
        ScriptedPrompt prompt;
        CHelpDlg dialog(state, prompt);
        QCOMPARE(ListLines(dialog), (QStringList{QString::fromLatin1(first), QStringLiteral("bbb"),
                                                 QStringLiteral("last")}));
    }

    void eightBitTextIsShownByteForByte() {
        QTemporaryDir dir;
        WriteGuide(dir,
                   "Fl\xe4"
                   "che\n");
        VantrellState state;
        state.mWorkDir = dir.path().toStdString();
        ScriptedPrompt prompt;
        CHelpDlg dialog(state, prompt);
        QCOMPARE(ListLines(dialog), QStringList{QStringLiteral("Fl\u00e4che")});
    }

    void listFillsTheDialogWithAMargin() {
        QTemporaryDir dir;
        WriteGuide(dir, "line\n");
        VantrellState state;
        state.mWorkDir = dir.path().toStdString();
        ScriptedPrompt prompt;
        CHelpDlg dialog(state, prompt);
        dialog.show();
        dialog.resize(640, 480);
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("helpList"));
        QCOMPARE(list->geometry(), QRect(10, 10, 620, 460));
        dialog.resize(500, 300);
        QCOMPARE(list->geometry(), QRect(10, 10, 480, 280));
    }

    void enterCloses() {
        QTemporaryDir dir;
        WriteGuide(dir, "line\n");
        VantrellState state;
        state.mWorkDir = dir.path().toStdString();
        ScriptedPrompt prompt;
        CHelpDlg dialog(state, prompt);
        dialog.show();
        QTest::keyClick(dialog.findChild<QListWidget*>(QStringLiteral("helpList")), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::HelpDialogTest)
#include "help_dialog_test.moc"

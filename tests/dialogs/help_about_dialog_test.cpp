// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "commands/help_text.h"
#include "commands/notice_files.h"
#include "dialogs/about_dialog.h"
#include "dialogs/help_dialog.h"
#include "dialogs/notice_dialog.h"
#include "dialogs/program_icon.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vantrell {

// The help and about windows: what they show and how the keyboard leaves them.
class HelpAboutDialogTest : public QObject {
    Q_OBJECT

    testing::ScriptedPrompt prompt;

  private slots:
    // One list line per guide line, 8-bit bytes as Latin-1; Enter in the list closes.
    void helpShowsTheGuideLineByLineAndEnterCloses() {
        const testing::TempDir dir;
        testing::WriteWholeFile(dir.File(kGuideFileName),
                                "Vantrell\r\n\r\nFl\xe4"
                                "che\n");
        VantrellState state;
        state.mWorkDir = dir.path().string();
        CHelpDlg dialog(state, prompt);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("helpList"));
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        QCOMPARE(lines, (QStringList{"Vantrell", "", QStringLiteral("Fl\u00e4che")}));
        QVERIFY(prompt.messages.empty());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

    // The window is wide enough for the guide's longest line beside the contents, and a
    // section chosen in the contents is shown at the top of the guide.
    void helpIsWideEnoughAndItsContentsJump() {
        const testing::TempDir dir;
        const std::string wide(90, 'W');
        std::string guide = "GUIDE\n\nContents\n  1. First\n\n1. FIRST\n" + wide + "\n";
        for (int i = 0; i < 80; ++i) {
            guide += "text\n";
        }
        guide += "2. SECOND (.lp)\n";
        for (int i = 0; i < 80; ++i) {
            guide += "more\n";
        }
        testing::WriteWholeFile(dir.File(kGuideFileName), guide);
        VantrellState state;
        state.mWorkDir = dir.path().string();
        CHelpDlg dialog(state, prompt);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("helpList"));
        auto* contents = dialog.findChild<QListWidget*>(QStringLiteral("helpContents"));
        QVERIFY(list->viewport()->width() >=
                    list->fontMetrics().horizontalAdvance(QString::fromStdString(wide)) ||
                dialog.width() >= dialog.screen()->availableGeometry().width() - 40);
        QCOMPARE(contents->count(), 2);
        QCOMPARE(contents->item(1)->text(), QStringLiteral("2. SECOND (.lp)"));
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualItemRect(contents->item(1)).center());
        QCOMPARE(list->currentRow(), 87);
        QVERIFY(list->visualItemRect(list->item(87)).top() <= list->fontMetrics().height());
        // Enter on the contents keeps the guide open.
        QTest::keyClick(contents, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
    }

    // The icon stands left of the texts; the licence beside the program opens in a window of
    // its own, the missing notices file is reported, and Enter stays with OK even from a
    // notice button.
    void aboutShowsTheIconAndTheShippedNotices() {
        QVERIFY(ProgramIcon().availableSizes().contains(QSize(256, 256)));
        const testing::TempDir folder;
        testing::WriteWholeFile(folder.File(std::string(kLicenceFileName)), "GNU GPL\n");
        CAboutDlg dialog(prompt, folder.path());
        dialog.show();
        auto* version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"));
        auto* icon = dialog.findChild<QLabel*>(QStringLiteral("iconLabel"));
        QVERIFY(!icon->pixmap().isNull());
        QVERIFY(icon->geometry().right() < version->geometry().left());

        auto* licence = dialog.findChild<QPushButton*>(QStringLiteral("licenceButton"));
        licence->click();
        const QPointer<CNoticeDlg> notice = dialog.findChild<CNoticeDlg*>();
        QVERIFY(notice != nullptr && notice->isVisible());
        QCOMPARE(notice->windowTitle(), QStringLiteral("License"));
        QCOMPARE(notice->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("GNU GPL\n"));
        QTest::keyClick(notice, Qt::Key_Escape);
        QVERIFY(!notice->isVisible() && dialog.isVisible());
        QVERIFY(prompt.messages.empty());
        dialog.findChild<QPushButton*>(QStringLiteral("noticesButton"))->click();
        QCOMPARE(prompt.messages, std::vector{MissingNoticeMessage(kThirdPartyFileName)});

        licence->setFocus();
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::HelpAboutDialogTest)
#include "help_about_dialog_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "commands/notice_files.h"
#include "dialogs/notice_dialog.h"
#include "dialogs/program_icon.h"
#include "model/program_version.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vantrell {

class AboutDialogTest : public QObject {
    Q_OBJECT

    testing::ScriptedPrompt prompt;

    static QString LabelText(const CAboutDlg& dialog, const char* name) {
        return dialog.findChild<QLabel*>(QLatin1String(name))->text();
    }

  private slots:
    void showsIconNameVersionAndLicenceAndOkOrEnterCloses() {
        QVERIFY(ProgramIcon().availableSizes().contains(QSize(256, 256)));
        for (const bool byEnter : {false, true}) {
            CAboutDlg dialog(prompt, {});
            dialog.show();
            QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vantrell"));
            auto* version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"));
            auto* icon = dialog.findChild<QLabel*>(QStringLiteral("iconLabel"));
            QCOMPARE(version->text(), QStringLiteral("Vantrell Version 1.0"));
            QCOMPARE(LabelText(dialog, "copyrightLabel"), QString::fromStdString(CopyrightLine()));
            QCOMPARE(LabelText(dialog, "licenceLabel"),
                     QStringLiteral("Free software under the GNU GPL version 3 or later, with no "
                                    "warranty."));
            QVERIFY(!icon->pixmap().isNull());
            QVERIFY(icon->geometry().right() < version->geometry().left());
            if (byEnter) {
                // Enter stays with OK even from the notice buttons.
                dialog.findChild<QPushButton*>(QStringLiteral("licenceButton"))->setFocus();
                QTest::keyClick(&dialog, Qt::Key_Return);
            } else {
                dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            }
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(!dialog.isVisible());
            QVERIFY(dialog.findChild<CNoticeDlg*>() == nullptr);
        }
    }

    // The licence beside the program opens in a window of its own; the missing notices
    // file is reported.
    void noticeButtonsShowTheShippedFilesOrSayTheyAreMissing() {
        const testing::TempDir folder;
        testing::WriteWholeFile(folder.File(std::string(kLicenceFileName)), "GNU GPL\n");
        CAboutDlg dialog(prompt, folder.path());
        dialog.show();
        dialog.findChild<QPushButton*>(QStringLiteral("licenceButton"))->click();
        const QPointer<CNoticeDlg> notice = dialog.findChild<CNoticeDlg*>();
        QVERIFY(notice != nullptr && notice->isVisible());
        QCOMPARE(notice->windowTitle(), QStringLiteral("License"));
        QCOMPARE(notice->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("GNU GPL\n"));
        QTest::keyClick(notice, Qt::Key_Escape);
        QVERIFY(!notice->isVisible() && dialog.isVisible());
        QVERIFY(prompt.messages.empty());

        dialog.findChild<QPushButton*>(QStringLiteral("noticesButton"))->click();
        QCOMPARE(prompt.messages, std::vector{MissingNoticeMessage(kThirdPartyFileName)});
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::AboutDialogTest)
#include "about_dialog_test.moc"

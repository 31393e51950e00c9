#include "dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogs/program_icon.h"

namespace vantrell {

class AboutDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsIconNameAndVersionAndOkOrEnterCloses() {
        QVERIFY(ProgramIcon().availableSizes().contains(QSize(256, 256)));
        for (const bool byEnter : {false, true}) {
            CAboutDlg dialog;
            dialog.show();
            QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vantrell"));
            auto* version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"));
            auto* icon = dialog.findChild<QLabel*>(QStringLiteral("iconLabel"));
            QCOMPARE(version->text(), QStringLiteral("Vantrell Version 1.0"));
            QVERIFY(!icon->pixmap().isNull());
            QVERIFY(icon->geometry().right() < version->geometry().left());
            if (byEnter) {
                QTest::keyClick(&dialog, Qt::Key_Return);
            } else {
                dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            }
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(!dialog.isVisible());
        }
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::AboutDialogTest)
#include "about_dialog_test.moc"

#include "dialogs/about_dialog.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogs/program_icon.h"

namespace vantrell {

class AboutDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void programIconIsCompiledIn() {
        QVERIFY(QFile::exists(QStringLiteral(":/vantrell.png")));
        const QIcon icon = ProgramIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
    }

    void showsIconNameAndVersion() {
        CAboutDlg dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vantrell"));
        auto* version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"));
        auto* icon = dialog.findChild<QLabel*>(QStringLiteral("iconLabel"));
        QVERIFY(version != nullptr);
        QVERIFY(icon != nullptr);
        QCOMPARE(version->text(), QStringLiteral("Vantrell Version 1.0"));
        QVERIFY(!icon->pixmap().isNull());
        QVERIFY(icon->geometry().right() < version->geometry().left());
    }

    void okCloses() {
        CAboutDlg dialog;
        dialog.show();
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("okButton"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void enterCloses() {
        CAboutDlg dialog;
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::AboutDialogTest)
#include "about_dialog_test.moc"

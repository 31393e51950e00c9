// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a desktop program: kept settings, recent files, a file from the
// command line or a drop, Print and Export PDF.
#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/command_line.h"
#include "app/program_settings.h"
#include "app/vantrell_app.h"
#include "app/vantrell_dlg.h"
#include "app/window_places.h"
#include "dialogs/ui_fonts.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vantrell {

class DesktopTest : public QObject {
    Q_OBJECT

    struct Fixture {
        testing::ScriptedPrompt prompt;
        SilentPresenter presenter;
        CVantrellDlg window{prompt, presenter};
        Fixture() { window.show(); }
        QString FileField() { return window.findChild<QLineEdit*>("fileNameEdit")->text(); }
        QStringList Recent() {
            QStringList captions;
            for (int i = 1; i <= 6; ++i) {
                if (auto* action =
                        window.findChild<QAction*>(QStringLiteral("actionRecent%1").arg(i))) {
                    captions << action->text();
                }
            }
            return captions;
        }
    };

    static std::string Example(const char* name) {
        return std::string(VANTRELL_DATA_DIR) + "/" + name;
    }

    testing::TempDir dir;

    // A copy of the sample under name, to open, list and remove.
    std::string Copy(const std::string& name) {
        const std::string path = dir.File(name);
        testing::WriteWholeFile(path, testing::ReadWholeFile(Example("sample.lp")));
        return path;
    }

  private slots:
    void optionsAndRecentFilesComeBackInAFreshWindow() {
        const QString file = QString::fromStdString(dir.File("kept.ini"));
        {
            QSettings settings(file, QSettings::IniFormat);
            Fixture first;
            VantrellState& state = first.window.State();
            state.mDecimalPlaces = 6;
            state.mDisplayDuality = false;
            state.mDisplay = {NumberStyle::Fractions, BigMStyle::Expressions, true};
            state.mExplain = true;
            state.mPivotRule = PivotRule::SmallestIndex;
            first.window.SetRecentFiles({Copy("a.lp"), Copy("b.lp")});
            SaveWindowSettings(settings, first.window);
            WriteLastFolders(settings,
                             {{"Output File (*.lp)", "/srv/lp"}, {"PDF File (*.pdf)", "/tmp"}});
        }
        QSettings settings(file, QSettings::IniFormat);
        Fixture fresh;
        RestoreWindowSettings(settings, fresh.window);
        const VantrellState& state = fresh.window.State();
        QCOMPARE(state.mDecimalPlaces, 6);
        QCOMPARE(state.mDisplayDuality, false);
        QVERIFY(state.mDisplay ==
                (DisplayOptions{NumberStyle::Fractions, BigMStyle::Expressions, true}));
        QVERIFY(state.mExplain && state.mPivotRule == PivotRule::SmallestIndex);
        QCOMPARE(fresh.Recent(), (QStringList{"&1 a.lp", "&2 b.lp"}));
        QCOMPARE(ReadLastFolders(settings).at("Output File (*.lp)"), std::string("/srv/lp"));
    }

    // A program window takes back the size it was hidden with; Qt's own dialogs are left alone.
    void windowSizesComeBack() {
        QSettings settings(QString::fromStdString(dir.File("places.ini")), QSettings::IniFormat);
        WindowPlaces places(settings);
        qApp->installEventFilter(&places);
        {
            QDialog plot;
            plot.setObjectName("graphDialog");
            plot.show();
            plot.resize(612, 411);
            plot.hide();
        }
        QDialog again;
        again.setObjectName("graphDialog");
        again.show();
        QCOMPARE(again.size(), QSize(612, 411));
        QVERIFY(!settings.contains("windows/QFileDialog"));
        qApp->removeEventFilter(&places);
    }

    // A window sized to its page (the tableau) keeps a kept place but never a kept size
    // smaller than the page: an old narrow size would hide the ratio column.
    void aKeptPlaceNeverNarrowsAWindowSizedToItsPage() {
        QSettings settings(QString::fromStdString(dir.File("narrow.ini")), QSettings::IniFormat);
        WindowPlaces places(settings);
        qApp->installEventFilter(&places);
        {
            QDialog first;
            first.setObjectName("tableauDialog");
            first.setProperty(kSizedToContent, true);
            first.resize(820, 400);
            first.show();
            first.move(40, 30);
            first.hide();
        }
        QDialog wide;
        wide.setObjectName("tableauDialog");
        wide.setProperty(kSizedToContent, true);
        wide.resize(1130, 380);
        wide.show();
        QCOMPARE(wide.size(), QSize(1130, 400));
        qApp->removeEventFilter(&places);
    }

    // Options and recent files are written as they change: logging out keeps them.
    void settingsAreWrittenAfterEachCommand() {
        const QString file = QString::fromStdString(dir.File("live.ini"));
        QSettings settings(file, QSettings::IniFormat);
        Fixture f;
        f.window.SetAfterCommandHook([&] { SaveWindowSettings(settings, f.window); });
        f.window.OpenFile(Copy("live.lp"));
        QCOMPARE(settings.value("recentFiles").toStringList(),
                 QStringList{QString::fromStdString(dir.File("live.lp"))});
        f.window.SetModalRunner([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("decimalEdit")->setText("5");
            QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
            return dialog.result();
        });
        f.window.RunCommand(MainCommand::Options);
        QCOMPARE(settings.value("options/decimals").toInt(), 5);
    }

    // A damaged or foreign value leaves its option at the default.
    void damagedSettingsGiveTheDefaults() {
        const std::pair<const char*, QVariant> rows[] = {
            {"options/decimals", "eleven"},
            {"options/decimals", 99},
            {"options/duality", "maybe"},
            {"options/numbers", "roman"},
            {"options/bigM", 3},
            {"recentFiles", 12},
            {"options/pivotRule", "dantzig"},
            {"options/explain", 1},
            {"options/decimalGrid", "sometimes"},
        };
        for (const auto& [key, value] : rows) {
            const QString file = QString::fromStdString(dir.File("damaged.ini"));
            QFile::remove(file);
            QSettings settings(file, QSettings::IniFormat);
            settings.setValue(QLatin1String(key), value);
            Fixture f;
            RestoreWindowSettings(settings, f.window);
            QCOMPARE(f.window.State().mDecimalPlaces, 3);
            QCOMPARE(f.window.State().mDisplayDuality, true);
            QVERIFY2(f.window.State().mDisplay == DisplayOptions{}, key);
            QVERIFY2(!f.window.State().mExplain, key);
            QVERIFY2(f.window.State().mPivotRule == PivotRule::LargestCjZj, key);
        }
        // Not an ini file at all.
        testing::WriteWholeFile(dir.File("garbage.ini"), std::string("\x01[\xff=\n=[]\0x", 11));
        QSettings garbage(QString::fromStdString(dir.File("garbage.ini")), QSettings::IniFormat);
        Fixture f;
        RestoreWindowSettings(garbage, f.window);
        QCOMPARE(f.window.State().mDecimalPlaces, 3);
    }

    // The order and the limit of five are the list's own; here opening and saving feed it.
    void recentFilesListOpenedAndSavedFilesAndDropAMissingOne() {
        Fixture f;
        for (const char* name : {"1.lp", "2.lp"}) {
            f.prompt.openFiles.push_back(Copy(name));
            f.window.RunCommand(MainCommand::Open);
        }
        f.prompt.saveFiles.push_back(dir.File("saved.lp"));
        f.window.RunCommand(MainCommand::SaveText);
        QCOMPARE(f.Recent(), (QStringList{"&1 saved.lp", "&2 2.lp", "&3 1.lp"}));

        QFile::remove(QString::fromStdString(dir.File("2.lp")));
        f.prompt.messages.clear();
        f.window.findChild<QAction*>("actionRecent2")->trigger();
        QCOMPARE(f.prompt.messages,
                 (std::vector<std::string>{"Cannot open LP file \"" + dir.File("2.lp") +
                                           "\": No such file or directory"}));
        QCOMPARE(f.Recent(), (QStringList{"&1 saved.lp", "&2 1.lp"}));
        f.window.findChild<QAction*>("actionRecent2")->trigger();
        QCOMPARE(f.FileField().toStdString(), dir.File("1.lp"));
    }

    void commandLineArguments() {
        struct Row {
            const char* name;
            QStringList arguments;
            std::optional<std::string> file;
            std::optional<std::string> pdf;
            bool error;
        };
        const Row rows[] = {
            {"file", {"vantrell", "x.lp"}, "x.lp", {}, false},
            {"none", {"vantrell"}, {}, {}, false},
            {"pdf", {"vantrell", "--pdf", "o.pdf", "x.lp"}, "x.lp", "o.pdf", false},
            {"pdf_without_file", {"vantrell", "--pdf", "o.pdf"}, {}, "o.pdf", true},
            {"two_files", {"vantrell", "a.lp", "b.lp"}, {}, {}, true},
            {"unknown", {"vantrell", "--bogus"}, {}, {}, true},
        };
        for (const Row& row : rows) {
            const StartOptions start = ParseStartOptions(row.arguments);
            QVERIFY2(start.problemFile == row.file || row.error, row.name);
            QVERIFY2(start.pdfFile == row.pdf || row.error, row.name);
            QVERIFY2(start.error.isEmpty() != row.error, row.name);
        }
        QVERIFY(ParseStartOptions({"vantrell", "--version"}).version);
        QVERIFY(ParseStartOptions({"vantrell", "--help"})
                    .helpText.startsWith("Usage: vantrell [options] [FILE.lp]"));
    }

    // The file on the command line and a dropped file open as Open's file does, with its
    // save question when there is a problem to lose.
    void startFileAndDropOpenTheProblem() {
        Fixture f;
        f.window.OpenFile(Example("maximize.lp"));
        QCOMPARE(f.FileField().toStdString(), Example("maximize.lp"));
        QVERIFY(f.prompt.questions.empty());

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Example("sample.lp")))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&f.window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&f.window, &drop);
        QCOMPARE(f.FileField().toStdString(), Example("sample.lp"));
        QVERIFY(f.prompt.questions.empty());  // the opened problem is unchanged
        QCOMPARE(f.Recent(), (QStringList{"&1 sample.lp", "&2 maximize.lp"}));

        QMimeData text;
        text.setText("3X1");
        QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, {});
        QApplication::sendEvent(&f.window, &refused);
        QVERIFY(!refused.isAccepted());
    }

    // Both refuse an unsolved problem; solved, each writes a PDF of the report.
    void printAndExportPdf() {
        Fixture f;
        f.window.OpenFile(Example("maximize.lp"));
        f.window.RunCommand(MainCommand::ExportPdf);
        QTest::keyClick(&f.window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.prompt.messages,
                 (std::vector<std::string>{"The Problem must be solved first\n",
                                           "The Problem must be solved first\n"}));
        f.window.RunCommand(MainCommand::CalculatePrimal);
        f.window.RunCommand(MainCommand::CalculateDual);

        const QString printed = QString::fromStdString(dir.File("printed.pdf"));
        f.window.SetModalRunner([&printed](QDialog& dialog) {
            auto* print = qobject_cast<QPrintDialog*>(&dialog);
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(printed);
            return int(QDialog::Accepted);
        });
        f.window.RunCommand(MainCommand::Print);
        f.prompt.saveFiles.push_back(dir.File("export.pdf"));
        f.window.RunCommand(MainCommand::ExportPdf);
        QCOMPARE(f.prompt.saveSpecs.back().pattern, std::string("*.pdf"));
        QCOMPARE(f.prompt.saveSpecs.back().title, std::string("Export PDF"));
        QCOMPARE(f.prompt.saveSpecs.back().suggestedName, std::string("maximize.pdf"));
        for (const std::string& pdf : {printed.toStdString(), dir.File("export.pdf")}) {
            QVERIFY2(testing::ReadWholeFile(pdf).starts_with("%PDF-"), pdf.c_str());
        }
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::DesktopTest)
#include "desktop_test.moc"

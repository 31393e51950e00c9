// The main window driven as a student would: menu, keys, double-clicks, dialogs.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/vantrell_dlg.h"
#include "plot/graph_dialog.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vantrell {

class MainWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        testing::ScriptedPrompt prompt;
        SilentPresenter presenter;
        CVantrellDlg window{prompt, presenter};
        QStringList dialogsShown;
        std::function<int(QDialog&)> onDialog = [](QDialog&) { return int(QDialog::Rejected); };

        Fixture() {
            window.SetModalRunner([this](QDialog& dialog) {
                dialogsShown << dialog.metaObject()->className();
                return onDialog(dialog);
            });
            window.show();
        }
        template <typename T>
        T* Find(const char* name) {
            T* child = window.findChild<T*>(name);
            if (child == nullptr) {
                qFatal("no child %s", name);
            }
            return child;
        }
        QStringList Lines(const char* list) {
            QStringList lines;
            auto* widget = Find<QListWidget>(list);
            for (int i = 0; i < widget->count(); ++i) {
                lines << widget->item(i)->text();
            }
            return lines;
        }
        void Open(const std::string& path) {
            prompt.openFiles.push_back(path);
            window.RunCommand(MainCommand::Open);
        }
        // What a command did that a user could see: boxes, questions, dialogs, file choices.
        QStringList Trace() {
            QStringList trace;
            for (const auto& m : prompt.messages)
                trace << "message " + QString::fromStdString(m);
            for (const auto& q : prompt.questions)
                trace << "question " + QString::fromStdString(q);
            for (const auto& d : dialogsShown)
                trace << "dialog " + d;
            for (const auto& s : prompt.openSpecs)
                trace << "open " + QString::fromStdString(s.initialName);
            prompt.messages.clear();
            prompt.questions.clear();
            prompt.openSpecs.clear();
            dialogsShown.clear();
            return trace;
        }
    };

    static std::string Example(const char* name) {
        return std::string(VANTRELL_DATA_DIR) + "/" + name;
    }

  private slots:
    void keysAndMenuRunTheSameCommands() {
        const std::pair<Qt::Key, MainCommand> table[] = {
            {Qt::Key_D, MainCommand::CalculateDual},
            {Qt::Key_E, MainCommand::SaveExcel},
            {Qt::Key_F, MainCommand::ObjectiveFunction},
            {Qt::Key_G, MainCommand::Plot2D},
            {Qt::Key_N, MainCommand::New},
            {Qt::Key_O, MainCommand::Open},
            {Qt::Key_P, MainCommand::CalculatePrimal},
            {Qt::Key_S, MainCommand::Constraints},
            {Qt::Key_X, MainCommand::DeleteConstraint},
        };
        for (const auto& [key, command] : table) {
            Fixture f;
            QTest::keyClick(f.Find<QListWidget>("primalList"), key, Qt::ControlModifier);
            const QStringList byKey = f.Trace();
            f.window.Action(command)->trigger();
            const QStringList byMenu = f.Trace();
            QVERIFY2(!byKey.isEmpty(), qPrintable(QTest::toString(key)));
            QCOMPARE(byKey, byMenu);
        }
    }

    void ctrlXInTheNameFieldDeletesNoText() {
        Fixture f;
        auto* name = f.Find<QLineEdit>("problemNameEdit");
        QTest::keyClicks(name, "Diet");
        name->selectAll();
        QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("Diet"));
        QCOMPARE(f.Trace(), QStringList{"message Select a constraint to delete"});
        QCOMPARE(f.window.State().mProblemName, std::string("Diet"));
    }

    void openShowsTheProblemAndItsDual() {
        Fixture f;
        f.Open(Example("maximize.lp"));
        QCOMPARE(f.Find<QLineEdit>("problemNameEdit")->text(), QStringLiteral("Two products"));
        QCOMPARE(f.Find<QLineEdit>("fileNameEdit")->text(),
                 QString::fromStdString(Example("maximize.lp")));
        QCOMPARE(f.Find<QLineEdit>("mField")->text(), QStringLiteral("2"));
        QCOMPARE(f.Find<QLineEdit>("primalObjective")->text(),
                 QStringLiteral("3.000 X1 + 2.000 X2"));
        QCOMPARE(f.Lines("primalList"), (QStringList{" + 1.000 X1 + 1.000 X2 <= 4.000; Machine",
                                                     " + 1.000 X1 + 3.000 X2 <= 6.000; Labour"}));
        QCOMPARE(f.Find<QLineEdit>("dualObjective")->text(),
                 QStringLiteral(" - 4.000 Y1 - 6.000 Y2"));
        QCOMPARE(f.Lines("dualList"), (QStringList{" + 1.000 Y1 + 1.000 Y2 >= 3.000",
                                                   " + 1.000 Y1 + 3.000 Y2 >= 2.000"}));
    }

    void calculatePrimalListsTheSolutionAndCounts() {
        Fixture f;
        f.Open(Example("maximize.lp"));
        f.window.Action(MainCommand::CalculatePrimal)->trigger();
        QCOMPARE(
            f.Lines("solutionList"),
            (QStringList{"X1 = 4.000", "S2 = 2.000", "Solution = 12.000", "Other Variables: 0.0"}));
        QCOMPARE(f.Find<QLineEdit>("nField")->text(), QStringLiteral("4"));
        QCOMPARE(f.Find<QLineEdit>("nMinusMField")->text(), QStringLiteral("2"));

        // Open then Cancel rebuilds the dual and empties the solution list.
        f.window.RunCommand(MainCommand::Open);
        QVERIFY(f.Lines("solutionList").isEmpty());
    }

    void deleteConstraintAsksAndRemovesTheSelectedLine() {
        Fixture f;
        f.Open(Example("equality.lp"));
        f.Trace();
        auto* list = f.Find<QListWidget>("primalList");

        f.window.RunCommand(MainCommand::DeleteConstraint);
        QCOMPARE(f.Trace(), QStringList{"message Select a constraint to delete"});

        list->setCurrentRow(1);
        f.prompt.answers = {false};
        f.window.RunCommand(MainCommand::DeleteConstraint);
        QCOMPARE(list->count(), 3);

        f.prompt.answers = {true};
        f.window.RunCommand(MainCommand::DeleteConstraint);
        QCOMPARE(f.Trace(), (QStringList{"question Are you sure you want to delete this entry?",
                                         "question Are you sure you want to delete this entry?"}));
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(1)->text().endsWith("; Limit"));
        QCOMPARE(f.window.SelectedConstraint(), -1);
        QCOMPARE(f.window.State().mPrimal.constraintNames,
                 (std::vector<std::string>{"Total", "Limit"}));
        QCOMPARE(f.Lines("dualList").size(), 3);  // one dual row per variable, two Y each
        QCOMPARE(f.Find<QLineEdit>("mField")->text(), QStringLiteral("3"));  // keeps its value
    }

    void doubleClicksEditAConstraintOrRefuse() {
        Fixture f;
        f.Open(Example("maximize.lp"));
        f.Trace();
        int selectedWhileOpen = -2;
        f.onDialog = [&](QDialog&) {
            selectedWhileOpen = f.window.SelectedConstraint();
            return int(QDialog::Rejected);
        };
        auto* primal = f.Find<QListWidget>("primalList");
        const QRect second = primal->visualItemRect(primal->item(1));
        QTest::mouseClick(primal->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(primal->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(f.Trace(), QStringList{"dialog vantrell::CConstraintsDlg"});
        QCOMPARE(selectedWhileOpen, 1);

        auto* dual = f.Find<QListWidget>("dualList");
        const QRect first = dual->visualItemRect(dual->item(0));
        QTest::mouseClick(dual->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(dual->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(f.Trace(), QStringList{"message The user cannot change the Dual Constraints"});

        f.window.RunCommand(MainCommand::DeselectConstraint);
        QCOMPARE(f.window.SelectedConstraint(), -1);
    }

    void newAnsweredNoEmptiesTheProblemAndOpensTheObjective() {
        Fixture f;
        f.Open(Example("maximize.lp"));
        f.window.RunCommand(MainCommand::CalculatePrimal);
        f.Trace();
        f.window.RunCommand(MainCommand::New);
        QCOMPARE(f.Trace(), (QStringList{"question Do you want to save the current inputs?",
                                         "dialog vantrell::CObjectiveDlg"}));
        QVERIFY(f.Lines("primalList").isEmpty());
        QVERIFY(f.Find<QLineEdit>("problemNameEdit")->text().isEmpty());
        QVERIFY(f.Find<QLineEdit>("mField")->text().isEmpty());
        QCOMPARE(f.Find<QLineEdit>("nField")->text(), QStringLiteral("4"));
        QCOMPARE(f.Find<QLineEdit>("fileNameEdit")->text(),
                 QString::fromStdString(Example("maximize.lp")));
        QVERIFY(!f.window.State().mSolved);
    }

    void refusalsOfUnsolvedAndUnplottableProblems() {
        Fixture f;
        f.window.RunCommand(MainCommand::ExportSolution);
        f.window.RunCommand(MainCommand::SaveExcel);
        f.window.RunCommand(MainCommand::Plot2D);
        f.Open(Example("equality.lp"));
        f.window.RunCommand(MainCommand::Plot2D);
        f.window.State().mDisplayDuality = false;
        f.window.RunCommand(MainCommand::CalculateDual);
        QCOMPARE(f.Trace(), (QStringList{"message The Problem must be solved first\n",
                                         "message The problem must be solved first.",
                                         "message Size of Objective variables is not equal to 2",
                                         "message Size of Objective variables is not equal to 2",
                                         "message Duality is turned off. Use Options to turn it "
                                         "back on",
                                         "open ../Vantrell/data/*.lp"}));
    }

    void saveExcelWritesTheWorkbookThenShowsTheSheet() {
        Fixture f;
        testing::TempDir dir;
        const std::string path = dir.File("tableaus.xlsx");
        f.prompt.saveFiles = {path};
        f.window.RunCommand(MainCommand::SaveExcel);
        QCOMPARE(f.Trace(), QStringList{"message The problem must be solved first."});
        QCOMPARE(f.prompt.saveFiles.size(), size_t(1));

        f.Open(Example("maximize.lp"));
        f.window.RunCommand(MainCommand::CalculatePrimal);
        f.Trace();
        int rowsShown = 0;
        bool savedBeforeShown = false;
        f.onDialog = [&](QDialog& dialog) {
            rowsShown = dialog.findChild<QTableWidget*>("sheetTable")->rowCount();
            savedBeforeShown = QFile::exists(QString::fromStdString(path));
            return int(QDialog::Rejected);
        };
        f.window.RunCommand(MainCommand::SaveExcel);
        QCOMPARE(f.Trace(), QStringList{"dialog vantrell::CExcelDlg"});
        QCOMPARE(f.prompt.saveSpecs.back().initialName, std::string("../excel/*.xlsx"));
        QVERIFY(savedBeforeShown);
        QCOMPARE(rowsShown, 13);  // two tableaus of six lines and the row between them
    }

    void enterKeepsTheWindowAndEscapeAsksFirst() {
        Fixture f;
        QTest::keyClick(f.Find<QLineEdit>("problemNameEdit"), Qt::Key_Return);
        QVERIFY(f.window.isVisible());
        QVERIFY(f.prompt.questions.empty());

        f.prompt.answers = {false, true};
        QTest::keyClick(&f.window, Qt::Key_Escape);
        QVERIFY(f.window.isVisible());
        f.window.close();
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.Trace(), (QStringList{"question Do you really want to exit?",
                                         "question Do you really want to exit?"}));
    }

    void optionsOkRedrawsWithTheNewDecimalCount() {
        Fixture f;
        f.Open(Example("maximize.lp"));
        f.onDialog = [](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>("decimalEdit");
            edit->setText("-2");
            QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
            return dialog.result();
        };
        f.window.RunCommand(MainCommand::Options);
        QCOMPARE(f.window.State().mDecimalPlaces, 2);
        QCOMPARE(f.Find<QLineEdit>("primalObjective")->text(), QStringLiteral("3.00 X1 + 2.00 X2"));
        QCOMPARE(f.Lines("dualList").first(), QStringLiteral(" + 1.00 Y1 + 1.00 Y2 >= 3.00"));
    }

    void optionsCancelKeepsTheCountButTheDualityClickStays() {
        Fixture f;
        f.Open(Example("maximize.lp"));
        f.onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("decimalEdit")->setText("5");
            QTest::mouseClick(dialog.findChild<QCheckBox*>("dualityBox"), Qt::LeftButton);
            dialog.reject();
            return dialog.result();
        };
        f.window.RunCommand(MainCommand::Options);
        QCOMPARE(f.window.State().mDecimalPlaces, 3);
        QVERIFY(!f.window.State().mDisplayDuality);
        QCOMPARE(f.Lines("dualList").size(), 2);  // redrawn only at the next refresh
    }

    void secondPlotReusesTheWindowAndClosingListsThePoint() {
        Fixture f;
        f.Open(Example("sample.lp"));
        f.window.RunCommand(MainCommand::Plot2D);
        CGraphDlg* plot = f.window.GraphDialog();
        QVERIFY(plot != nullptr && plot->isVisible());
        plot->Play();
        while (plot->IsAnimating()) {
            plot->Tick();
        }
        f.window.RunCommand(MainCommand::Plot2D);
        QCOMPARE(f.window.GraphDialog(), plot);
        plot->close();
        QCOMPARE(f.Lines("solutionList"),
                 (QStringList{"X1 = 4.00", "X2 = 6.00", "Solution = 42.00"}));
        f.window.RunCommand(MainCommand::Plot2D);
        QCOMPARE(f.window.GraphDialog(), plot);
        QVERIFY(plot->isVisible());
        QCOMPARE(f.window.State().mGraphPoint, -1);
    }

    void helpAndAboutOpenTheirDialogs() {
        Fixture f;
        f.window.RunCommand(MainCommand::UserGuide);
        f.window.RunCommand(MainCommand::About);
        const QStringList trace = f.Trace();
        QVERIFY(trace.contains("dialog vantrell::CHelpDlg"));
        QVERIFY(trace.contains("dialog vantrell::CAboutDlg"));
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::MainWindowTest)
#include "main_window_test.moc"

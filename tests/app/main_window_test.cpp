// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a student would: menu, keys, double-clicks, dialogs.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <tuple>

#include "app/vantrell_dlg.h"
#include "dialogs/graph_dialog.h"
#include "dialogs/qt_prompt.h"
#include "dialogs/review_dialog.h"
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

        explicit Fixture(const char* example = nullptr) {
            window.SetModalRunner([this](QDialog& dialog) {
                dialogsShown << dialog.metaObject()->className();
                return onDialog(dialog);
            });
            window.show();
            if (example != nullptr) {
                prompt.openFiles.push_back(std::string(VANTRELL_DATA_DIR) + "/" + example);
                Run(MainCommand::Open);
                Trace();
            }
        }
        template <typename T = QLineEdit>
        T* Find(const char* name) {
            return window.findChild<T*>(name);
        }
        QString Text(const char* field) { return Find(field)->text(); }
        QStringList Lines(const char* list) {
            QStringList lines;
            auto* widget = Find<QListWidget>(list);
            for (int i = 0; i < widget->count(); ++i) {
                lines << widget->item(i)->text();
            }
            return lines;
        }
        void Run(MainCommand command) { window.RunCommand(command); }
        void DoubleClick(const char* list, int row) {
            auto* widget = Find<QListWidget>(list);
            const QPoint at = widget->visualItemRect(widget->item(row)).center();
            QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, at);
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
            for (const auto& o : prompt.openSpecs)
                trace << "open " + QString::fromStdString(o.initialName);
            prompt.messages.clear();
            prompt.questions.clear();
            prompt.openSpecs.clear();
            dialogsShown.clear();
            return trace;
        }
    };

  private slots:
    void keysAndMenuRunTheSameCommands() {
        using enum MainCommand;
        constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
        constexpr Qt::KeyboardModifiers kAlt = Qt::ControlModifier | Qt::AltModifier;
        // clang-format off
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, MainCommand> table[] = {
            {Qt::Key_D, kCtrl, CalculateDual}, {Qt::Key_E, kCtrl, SaveExcel},
            {Qt::Key_F, kCtrl, ObjectiveFunction}, {Qt::Key_G, kCtrl, Plot2D},
            {Qt::Key_N, kCtrl, New}, {Qt::Key_O, kCtrl, Open},
            {Qt::Key_P, kCtrl, CalculatePrimal}, {Qt::Key_S, kCtrl, Constraints},
            {Qt::Key_X, kCtrl, DeleteConstraint}, {Qt::Key_T, kCtrl, Sensitivity},
            {Qt::Key_I, kCtrl, Import}, {Qt::Key_R, kCtrl, ReviewTableaus},
            {Qt::Key_P, kAlt, PracticePrimal}, {Qt::Key_D, kAlt, PracticeDual},
            {Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier, NewExercise},
        };
        // clang-format on
        for (const auto& [key, modifiers, command] : table) {
            Fixture f;
            QTest::keyClick(f.Find<QListWidget>("primalList"), key, modifiers);
            const QStringList byKey = f.Trace();
            f.window.Action(command)->trigger();
            QVERIFY2(!byKey.isEmpty(), qPrintable(QTest::toString(key)));
            QCOMPARE(byKey, f.Trace());
        }
    }

    // In a text field the editing keys edit: Ctrl+X cuts. Elsewhere it deletes a constraint,
    // asked with No as the default; Enter keeps the window; Escape asks first.
    void editingKeysInAFieldAndDefaultNoOnDeleting() {
        Fixture f;
        auto* name = f.Find("problemNameEdit");
        QTest::keyClicks(name, "Diet");
        name->selectAll();
        QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(name->text(), QString());
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("Diet"));
        QVERIFY(f.Trace().isEmpty());
        QTest::keyClick(f.Find<QListWidget>("primalList"), Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(f.Trace(), QStringList{"message Select a constraint to delete"});

        // The name was changed: after Yes to leaving, saving is offered (answered No).
        f.prompt.answers = {false, true};
        QTest::keyClick(&f.window, Qt::Key_Escape);
        QVERIFY(f.window.isVisible());
        f.window.close();
        QVERIFY(!f.window.isVisible());
        QCOMPARE(
            f.prompt.questions,
            (std::vector<std::string>{"Do you really want to exit?", "Do you really want to exit?",
                                      "Do you want to save the current inputs?"}));
        QCOMPARE(f.prompt.discardQuestions.size(), std::size_t{2});
        const auto box =
            MakeQuestionBox("Are you sure you want to delete this entry?", true, nullptr);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
    }

    // A double-click edits a primal line with it selected and refuses a dual one; Delete
    // asks for the selection at the press and redraws both lists.
    void constraintLinesAreEditedAndDeleted() {
        Fixture f("equality.lp");
        int selectedWhileOpen = -2;
        f.onDialog = [&](QDialog&) {
            selectedWhileOpen = f.window.SelectedConstraint();
            return int(QDialog::Rejected);
        };
        f.DoubleClick("primalList", 1);
        QCOMPARE(f.Trace(), QStringList{"dialog vantrell::CConstraintsDlg"});
        QCOMPARE(selectedWhileOpen, 1);
        f.DoubleClick("dualList", 0);
        QCOMPARE(f.Trace(), QStringList{"message The user cannot change the Dual Constraints"});

        auto* list = f.Find<QListWidget>("primalList");
        list->setCurrentRow(1);
        f.prompt.answers = {true};
        f.Run(MainCommand::DeleteConstraint);
        QVERIFY(list->item(1)->text().endsWith("; Limit"));
        QCOMPARE(f.window.SelectedConstraint(), -1);
        QCOMPARE(f.Lines("dualList").size(), 3);
    }

    // New empties every view and opens the objective; Help and About open their dialogs.
    void newEmptiesTheViewsAndOpensTheObjective() {
        Fixture f("maximize.lp");
        f.Run(MainCommand::CalculatePrimal);
        f.Run(MainCommand::New);  // the problem is as opened: nothing to save
        QCOMPARE(f.Trace(), (QStringList{"dialog vantrell::CObjectiveDlg"}));
        f.Run(MainCommand::UserGuide);
        f.Run(MainCommand::About);
        const QStringList trace = f.Trace();  // the guide may be missing where tests run
        QVERIFY(trace.contains("dialog vantrell::CHelpDlg"));
        QVERIFY(trace.contains("dialog vantrell::CAboutDlg"));
        for (const char* list : {"primalList", "solutionList"}) {
            QVERIFY2(f.Lines(list).isEmpty(), list);
        }
        for (const char* field :
             {"problemNameEdit", "fileNameEdit", "nField", "mField", "nMinusMField"}) {
            QVERIFY2(f.Text(field).isEmpty(), field);
        }
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Vantrell[*]"));
    }

    // OK applies the count to every view; Cancel drops it.
    void optionsOkThenCancel() {
        Fixture f("maximize.lp");
        f.onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("decimalEdit")->setText("-2");
            QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
            return dialog.result();
        };
        f.Run(MainCommand::Options);
        QCOMPARE(f.Text("primalObjective"), QStringLiteral("3.00 X1 + 2.00 X2"));
        QCOMPARE(f.Lines("dualList").first(), QStringLiteral(" + 1.00 Y1 + 1.00 Y2 >= 3.00"));

        f.onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("decimalEdit")->setText("5");
            dialog.reject();
            return dialog.result();
        };
        f.Run(MainCommand::Options);
        QCOMPARE(f.Text("primalObjective"), QStringLiteral("3.00 X1 + 2.00 X2"));
    }

    // File > New Exercise Sheet asks its dialog, then where the sheet and the key go.
    void exerciseSheetFromTheFileMenu() {
        Fixture f;
        const testing::TempDir dir;
        f.prompt.saveFiles = {dir.File("sheet.tex"), dir.File("key.tex")};
        f.onDialog = [](QDialog& dialog) {
            dialog.findChild<QComboBox*>("countBox")->setCurrentIndex(1);  // 2 exercises
            dialog.findChild<QCheckBox*>("separateKeyBox")->setChecked(true);
            dialog.accept();
            return dialog.result();
        };
        f.window.Action(MainCommand::NewExerciseSheet)->trigger();
        QCOMPARE(f.Trace(), QStringList{QStringLiteral("dialog vantrell::CExerciseSheetDlg")});
        const std::string sheet = testing::ReadWholeFile(dir.File("sheet.tex"));
        const std::string key = testing::ReadWholeFile(dir.File("key.tex"));
        QVERIFY(sheet.find("Exercise 2 (min") != std::string::npos);
        QVERIFY(sheet.find("Key to") == std::string::npos);
        QVERIFY(key.find("Key to Exercise 2 (min") != std::string::npos);
    }

    // A minimization says so. An edit makes the kept run stale: its solution and counts
    // leave the window, the title marks the change, and the focus comes back after a modal
    // dialog.
    void anEditClearsTheOldSolutionAndMarksTheTitle() {
        Fixture f("minimize.lp");
        QCOMPARE(f.window.windowTitle(), QStringLiteral("minimize.lp[*] - Vantrell"));
        QVERIFY(!f.window.isWindowModified());
        QCOMPARE(f.window.findChild<QLabel*>("primalSense")->text(), QStringLiteral("Minimize"));
        QCOMPARE(f.window.findChild<QLabel*>("dualSense")->text(), QStringLiteral("Maximize"));
        // The dual of a minimization maximizes W as stated.
        QCOMPARE(f.window.findChild<QLabel*>("dualStated")->text(),
                 QStringLiteral("As stated: W = 4.000 Y1 - 3.000 Y2, Maximize"));
        f.Run(MainCommand::CalculatePrimal);  // a minimization adds what the minimum is
        QCOMPARE(f.Lines("solutionList").last(),
                 QStringLiteral("Minimum of Z = 9.000 (the tableaus maximize -Z)"));
        QWidget elsewhere;
        f.onDialog = [&](QDialog&) {
            elsewhere.show();
            elsewhere.activateWindow();
            QApplication::setActiveWindow(&elsewhere);
            f.window.State().mPrimal.constraints.pop_back();
            return int(QDialog::Accepted);
        };
        f.Run(MainCommand::Constraints);
        f.Trace();
        f.Run(MainCommand::SaveExcel);  // the kept run is of the old problem
        QCOMPARE(f.Trace(), QStringList{"message The problem must be solved first."});
        QVERIFY(f.Lines("solutionList").isEmpty());
        QVERIFY(f.Text("nField").isEmpty());
        QVERIFY(f.window.isWindowModified());
        QCoreApplication::processEvents();  // delivers the activation the command asked for
        QCOMPARE(QApplication::activeWindow(), &f.window);
    }

    // What closing writes is the plot window's; the main window reuses it and starts over.
    void secondPlotReusesTheWindowAndStartsOver() {
        Fixture f("sample.lp");
        f.Run(MainCommand::Plot2D);
        CGraphDlg* plot = f.window.GraphDialog();
        QVERIFY(plot != nullptr && plot->isVisible());
        f.window.State().mGraphPoint = 2;
        plot->close();
        f.Run(MainCommand::Plot2D);
        QCOMPARE(f.window.GraphDialog(), plot);
        QVERIFY(plot->isVisible());
        QCOMPARE(f.window.State().mGraphPoint, -1);
    }

    // Saving is offered only for changes no file holds, before the next file is chosen.
    void theSaveQuestionComesOnlyForUnsavedChanges() {
        Fixture f("maximize.lp");
        f.prompt.openFiles.push_back(std::string(VANTRELL_DATA_DIR) + "/minimize.lp");
        f.Run(MainCommand::Open);
        QCOMPARE(f.Trace(), QStringList{"open ../Vantrell/data/*.lp"});
        QTest::keyClicks(f.Find("problemNameEdit"), "Diet");
        f.prompt.answers = {false};
        f.prompt.openFiles.push_back(std::nullopt);
        f.Run(MainCommand::Open);
        QCOMPARE(f.Trace(), (QStringList{"question Do you want to save the current inputs?",
                                         "open ../Vantrell/data/*.lp"}));
    }

    // The views follow a new problem and a new option at once: no counts of the last run
    // stay beside another problem, and the solution list takes the numbers just chosen.
    void theViewsFollowEveryChangeAtOnce() {
        Fixture f("equality.lp");
        f.Run(MainCommand::CalculatePrimal);
        QVERIFY(!f.Text("nField").isEmpty());
        f.prompt.openFiles.push_back(std::string(VANTRELL_DATA_DIR) + "/maximize.lp");
        f.Run(MainCommand::Open);
        QCOMPARE((QStringList{f.Text("nField"), f.Text("mField"), f.Text("nMinusMField")}),
                 (QStringList{"", "2", ""}));

        f.Run(MainCommand::CalculatePrimal);
        QCOMPARE(f.Lines("solutionList").first(), QStringLiteral("X1 = 4.000"));
        const auto numbers = [&f](int index) {
            f.onDialog = [index](QDialog& dialog) {
                dialog.findChild<QComboBox*>("numbersBox")->setCurrentIndex(index);
                QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
                return dialog.result();
            };
            f.Run(MainCommand::Options);
        };
        numbers(1);
        QCOMPARE(f.Lines("solutionList").first(), QStringLiteral("X1 = 4"));
        numbers(0);
        QCOMPARE(f.Lines("solutionList").first(), QStringLiteral("X1 = 4.000"));

        // An open plot draws the problem now open, and closes for one it cannot draw.
        f.Run(MainCommand::Plot2D);
        auto* points = f.window.GraphDialog()->findChild<QListWidget*>("feasibleList");
        QCOMPARE(points->count(), 4);
        f.prompt.openFiles.push_back(std::string(VANTRELL_DATA_DIR) + "/sample.lp");
        f.Run(MainCommand::Open);
        QCOMPARE(points->count(), 3);
        f.prompt.openFiles.push_back(std::string(VANTRELL_DATA_DIR) + "/equality.lp");
        f.Run(MainCommand::Open);
        QVERIFY(!f.window.GraphDialog()->isVisible());
    }

    // The review window opens with the focus on its pages, so the arrow keys page; its
    // plot opens beside it, not over it.
    void reviewAndItsPlotOpenSideBySide() {
        Fixture f("sample.lp");
        f.Run(MainCommand::CalculatePrimal);
        f.Run(MainCommand::ReviewTableaus);
        CReviewDlg* review = f.window.ReviewDialog();
        QVERIFY(review != nullptr);
        QCOMPARE(review->focusWidget(), review->findChild<QListWidget*>("pageList"));
        review->OpenPlot();
        CGraphDlg* plot = f.window.GraphDialog();
        QVERIFY(plot != nullptr && plot->isVisible());
        QVERIFY(!review->frameGeometry().intersects(plot->frameGeometry()));
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::MainWindowTest)
#include "main_window_test.moc"

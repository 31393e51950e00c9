// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the program's windows on a real X display, one after the other, and saves what the
// screen shows of each as a PNG: the main window with a solved example, a tableau, and every
// input dialog. tools/screenshots.sh runs it under Xvfb.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QtTest>
#include <cstdio>

#include "app/vantrell_dlg.h"
#include "dialogs/graph_dialog.h"
#include "dialogs/practice_dialog.h"
#include "dialogs/review_dialog.h"
#include "dialogs/tableau_dialog.h"
#include "teach/exact_page_text.h"
#include "teach/step_notes.h"

namespace {

QString gOutputDir;

void Capture(QWidget& window, const QString& name) {
    window.show();
    window.raise();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "%s was never shown\n", qPrintable(name));
    }
    QTest::qWait(300);  // a tool, not a test: let the X server finish drawing
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const QString path = QDir(gOutputDir).filePath(name + ".png");
    if (!shot.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
    std::printf("%s\n", qPrintable(path));
}

// Answers Yes, opens the file it was given, and never shows a box.
class TourPrompt : public vantrell::Prompt {
  public:
    void ShowMessage(const std::string& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    bool AskYesNo(const std::string&) override { return true; }
    std::optional<std::string> ChooseFileToOpen(const vantrell::FileDialogSpec&) override {
        return openFile;
    }
    std::optional<std::string> ChooseFileToSave(const vantrell::FileDialogSpec&) override {
        return std::nullopt;
    }
    std::string openFile;
};

// Two windows side by side as one picture, taken from the screen.
void CaptureSideBySide(QWidget& left, QWidget& right, const QString& name) {
    left.move(0, 0);
    right.move(left.frameGeometry().width(), 0);
    for (QWidget* window : {&left, &right}) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) {
            std::fprintf(stderr, "%s was never shown\n", qPrintable(name));
        }
    }
    QTest::qWait(400);
    const QRect both = left.frameGeometry().united(right.frameGeometry());
    const QPixmap shot =
        left.screen()->grabWindow(0, both.x(), both.y(), both.width(), both.height());
    const QString path = QDir(gOutputDir).filePath(name + ".png");
    if (!shot.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
    std::printf("%s\n", qPrintable(path));
}

class CapturingPresenter : public vantrell::PagePresenter {
  public:
    explicit CapturingPresenter(vantrell::Prompt& prompt) : mPrompt(prompt) {}
    void ShowPage(const vantrell::VantrellState& state,
                  const vantrell::TableauPage& page) override {
        if (!capture) {
            return;
        }
        const vantrell::ShownPage shown = vantrell::DisplayedCurrentPage(state, page);
        vantrell::CTableauDlg dialog(shown.Page(), state, mPrompt);
        dialog.SetNewestTexts(shown.pivotText, shown.zText);
        dialog.SetNotes(vantrell::RunNotesSoFar(state));
        Capture(dialog, prefix + QString::number(state.mTableauCount));
    }

    bool capture = true;
    QString prefix = QStringLiteral("tableau-");

  private:
    vantrell::Prompt& mPrompt;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: screenshot_tour PROBLEM.lp OUTPUT-FOLDER [PLOT-PROBLEM.lp]\n");
        return 2;
    }
    gOutputDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(gOutputDir);

    TourPrompt prompt;
    prompt.openFile = argv[1];
    CapturingPresenter presenter(prompt);
    vantrell::CVantrellDlg window(prompt, presenter);
    QString dialogName;
    window.SetModalRunner([&](QDialog& dialog) {
        Capture(dialog, dialogName);
        dialog.reject();
        return int(QDialog::Rejected);
    });
    window.move(0, 0);
    window.show();

    window.RunCommand(vantrell::MainCommand::Open);
    window.RunCommand(vantrell::MainCommand::CalculatePrimal);
    Capture(window, QStringLiteral("main-window"));

    dialogName = QStringLiteral("objective-dialog");
    window.RunCommand(vantrell::MainCommand::ObjectiveFunction);
    dialogName = QStringLiteral("constraints-dialog-new");
    window.RunCommand(vantrell::MainCommand::Constraints);
    window.findChild<QListWidget*>("primalList")->setCurrentRow(0);
    dialogName = QStringLiteral("constraints-dialog-edit");
    window.RunCommand(vantrell::MainCommand::Constraints);
    dialogName = QStringLiteral("options-dialog");
    window.RunCommand(vantrell::MainCommand::Options);
    dialogName = QStringLiteral("help-dialog");
    window.RunCommand(vantrell::MainCommand::UserGuide);
    dialogName = QStringLiteral("about-dialog");
    window.RunCommand(vantrell::MainCommand::About);
    dialogName = QStringLiteral("sensitivity-dialog");
    window.RunCommand(vantrell::MainCommand::Sensitivity);

    if (argc > 3) {
        // The plot of a second problem, at the end of its sweep in both display modes.
        prompt.openFile = argv[3];
        window.RunCommand(vantrell::MainCommand::Open);
        window.RunCommand(vantrell::MainCommand::Plot2D);
        vantrell::CGraphDlg* plot = window.GraphDialog();
        for (const auto mode : {vantrell::CGraphDlg::kRegion, vantrell::CGraphDlg::kConstraints}) {
            plot->SetMode(mode);
            plot->Play();
            while (plot->IsAnimating()) {
                plot->Tick();
            }
            Capture(*plot, mode == vantrell::CGraphDlg::kRegion
                               ? QStringLiteral("plot-region")
                               : QStringLiteral("plot-constraints"));
        }

        // The same problem solved, reviewed page by page beside its path on the plot.
        presenter.capture = false;
        plot->SetMode(vantrell::CGraphDlg::kRegion);
        plot->hide();
        window.RunCommand(vantrell::MainCommand::CalculatePrimal);
        window.RunCommand(vantrell::MainCommand::ReviewTableaus);
        vantrell::CReviewDlg* review = window.ReviewDialog();
        review->resize(760, 520);
        review->OpenPlot();
        plot->resize(700, 520);
        plot->findChild<QCheckBox*>("objectiveAtPointBox")->setChecked(true);
        review->SelectPage(2);
        CaptureSideBySide(*review, *plot, QStringLiteral("review-and-path"));
        review->hide();
        plot->hide();

        const QString data = QFileInfo(QString::fromLocal8Bit(argv[3])).absolutePath();
        // A problem with "=" and ">=" rows in fractions and M expressions, as a grid.
        window.State().mDisplay = {vantrell::NumberStyle::Fractions,
                                   vantrell::BigMStyle::Expressions};
        prompt.openFile = (data + QStringLiteral("/equality.lp")).toStdString();
        window.RunCommand(vantrell::MainCommand::Open);
        presenter.capture = true;
        presenter.prefix = QStringLiteral("grid-");
        window.RunCommand(vantrell::MainCommand::CalculatePrimal);
        // The same problem by the two-phase method: Phase I's own Cj row, no M anywhere.
        window.State().mMethod = vantrell::SolveMethod::TwoPhase;
        presenter.prefix = QStringLiteral("two-phase-");
        window.RunCommand(vantrell::MainCommand::CalculatePrimal);
        window.State().mMethod = vantrell::SolveMethod::BigM;
        presenter.capture = false;

        // Practice after a wrong verdict: the window explains it with the page's numbers.
        prompt.openFile = (data + QStringLiteral("/maximize.lp")).toStdString();
        window.RunCommand(vantrell::MainCommand::Open);
        window.State().mDisplay = {};
        window.SetModalRunner([](QDialog& dialog) {
            if (auto* practice = qobject_cast<vantrell::CPracticeDlg*>(&dialog)) {
                practice->Answer({vantrell::PracticeAnswer::Kind::Optimal, {}});
                Capture(dialog, QStringLiteral("practice-wrong"));
            }
            dialog.reject();
            return int(QDialog::Rejected);
        });
        window.RunCommand(vantrell::MainCommand::PracticePrimal);

        // A region without end, drawn to the edge of the view with its open side.
        prompt.openFile = (data + QStringLiteral("/unbounded.lp")).toStdString();
        window.RunCommand(vantrell::MainCommand::Open);
        window.RunCommand(vantrell::MainCommand::Plot2D);
        plot->SetMode(vantrell::CGraphDlg::kRegion);
        Capture(*plot, QStringLiteral("plot-unbounded"));
        plot->SetMode(vantrell::CGraphDlg::kConstraints);
        Capture(*plot, QStringLiteral("plot-unbounded-constraints"));
    }
    return 0;
}

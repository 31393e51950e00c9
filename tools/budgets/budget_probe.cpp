// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the program's budgets on a real display (tools/budgets.sh runs it under Xvfb):
//   bare     a plain Qt Widgets dialog, shown, then the process ends: the floor
//   startup  the main window, shown, then the process ends
//   memory   the main window, a run of 30 tableaus each shown in its dialog; prints VmRSS
//            and the time the run took
//   tick     the plot window on a problem; prints the median cost of one animation tick
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/vantrell_dlg.h"
#include "dialogs/graph_dialog.h"
#include "dialogs/tableau_dialog.h"

namespace {

class QuietPrompt : public vantrell::Prompt {
  public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
    std::optional<std::string> ChooseFileToOpen(const vantrell::FileDialogSpec&) override {
        return file;
    }
    std::optional<std::string> ChooseFileToSave(const vantrell::FileDialogSpec&) override {
        return std::nullopt;
    }
    std::string file;
};

// Shows each page in its dialog until it is on screen, then leaves it.
class ShowingPresenter : public vantrell::PagePresenter {
  public:
    explicit ShowingPresenter(vantrell::Prompt& prompt) : mPrompt(prompt) {}
    void ShowPage(const vantrell::VantrellState& state,
                  const vantrell::TableauPage& page) override {
        vantrell::CTableauDlg dialog(page, state, mPrompt);
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog);
        dialog.accept();
    }

  private:
    vantrell::Prompt& mPrompt;
};

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("startup");
    QuietPrompt prompt;
    prompt.file = argc > 2 ? argv[2] : "";

    if (mode == QLatin1String("bare")) {
        QDialog dialog;
        dialog.resize(900, 600);
        dialog.show();
        const bool shown = QTest::qWaitForWindowExposed(&dialog);
        std::printf("VmRSS %ld kB\n", ResidentKilobytes());
        return shown ? 0 : 1;
    }

    ShowingPresenter presenter(prompt);
    vantrell::CVantrellDlg window(prompt, presenter);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    if (mode == QLatin1String("startup")) {
        return 0;
    }
    window.RunCommand(vantrell::MainCommand::Open);
    if (mode == QLatin1String("memory")) {
        const long before = ResidentKilobytes();
        QElapsedTimer timer;
        timer.start();
        window.RunCommand(vantrell::MainCommand::CalculatePrimal);
        const qint64 elapsed = timer.elapsed();
        std::printf("pages %d, VmRSS before the run %ld kB, after %ld kB, run shown in %lld ms\n",
                    window.State().mTableauCount, before, ResidentKilobytes(),
                    static_cast<long long>(elapsed));
        return 0;
    }
    if (mode == QLatin1String("tick")) {
        window.RunCommand(vantrell::MainCommand::Plot2D);
        vantrell::CGraphDlg* plot = window.GraphDialog();
        (void)QTest::qWaitForWindowExposed(plot);
        std::vector<double> costs;
        for (int round = 0; round < 20; ++round) {
            plot->Play();
            while (plot->IsAnimating()) {
                QElapsedTimer timer;
                timer.start();
                plot->Tick();
                QCoreApplication::processEvents();  // let the chart repaint, as the timer would
                costs.push_back(timer.nsecsElapsed() / 1e6);
            }
        }
        std::sort(costs.begin(), costs.end());
        std::printf("ticks %zu, median %.3f ms, 90th percentile %.3f ms, max %.3f ms\n",
                    costs.size(), costs[costs.size() / 2], costs[costs.size() * 9 / 10],
                    costs.back());
        return 0;
    }
    return 2;
}

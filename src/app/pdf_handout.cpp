// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pdf_handout.h"

#include <QSettings>

#include "app/program_settings.h"
#include "app/report_painter.h"
#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "commands/pdf_commands.h"
#include "model/file_io.h"

namespace vantrell {
namespace {

// Messages to the error stream; no one is there to answer a question.
class StreamMessages : public SilentPrompt {
  public:
    explicit StreamMessages(std::ostream& err) : err_(err) {}
    void ShowMessage(const std::string& text) override { err_ << text << '\n'; }

  private:
    std::ostream& err_;
};

}  // namespace

int WritePdfHandout(const std::string& problemFile, const std::string& pdfFile, std::ostream& err) {
    StreamMessages prompt(err);
    if (SameFile(problemFile, pdfFile)) {
        prompt.ShowMessage("Cannot write \"" + pdfFile + "\": it is the problem file");
        return 3;
    }
    // The same PDF as Export PDF: the options the window keeps apply, and the file's own
    // decimal count as Open sets it.
    VantrellState state;
    ReadOptions(QSettings(), state);
    if (OpenProblemAt(state, prompt, problemFile) != OpenResult::Opened) {
        return 2;
    }
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    CalculateDual(state, prompt, presenter);
    if (!ReportIsReady(state, prompt)) {
        return 1;
    }
    return WriteReportPdf(state, prompt, ReportClockNow(), ReportPdfBytes, pdfFile) ? 0 : 3;
}

}  // namespace vantrell

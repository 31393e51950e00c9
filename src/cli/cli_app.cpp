// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <iomanip>
#include <sstream>
#include <utility>

#include "cli/cli_options.h"
#include "cli/command_parts.h"
#include "cli/exercise_command.h"
#include "cli/explain_options.h"
#include "cli/path_command.h"
#include "cli/practice_command.h"
#include "cli/sheet_command.h"
#include "cli/stream_prompt.h"
#include "cli/whatif_command.h"
#include "commands/calculate_commands.h"
#include "commands/command_guard.h"
#include "commands/file_commands.h"
#include "commands/main_commands.h"
#include "export/json_answer.h"
#include "export/latex_document.h"
#include "model/file_io.h"
#include "model/number_text.h"
#include "model/program_version.h"
#include "plot/plot_geometry.h"
#include "teach/exact_page_text.h"
#include "teach/run_story.h"

namespace vantrell::cli {
namespace {

// Reads the problem file as the Open command does; false when it could not be read.

// A run that was refused, or stopped because its numbers overflowed, gave no answer; an
// infeasible or unbounded problem is an answer.
bool GaveNoAnswer(RunOutcome outcome) {
    return outcome == RunOutcome::NotRun || outcome == RunOutcome::TooLarge;
}

// Why an output may not be written where it is asked for: over the problem file, or over
// the other output. Checked before anything runs, so nothing is lost.
std::optional<std::string> OutputsClash(const CliOptions& options) {
    for (const auto& output : {options.reportFile, options.workbookFile}) {
        if (const auto clash = output
                                   ? OutputClash(*output, options.problemFile, "the problem file")
                                   : std::nullopt) {
            return clash;
        }
    }
    if (options.reportFile && options.workbookFile) {
        return OutputClash(*options.workbookFile, *options.reportFile, "the report file as well");
    }
    return std::nullopt;
}

int Report(const CliOptions& options, std::ostream& out, std::ostream& err,
           const ReportClock& now) {
    StreamPrompt prompt(err, options.problemFile, std::nullopt);
    if (const auto clash = OutputsClash(options)) {
        prompt.ShowMessage(*clash);
        return kExitCannotWrite;
    }
    VantrellState state;
    if (!OpenProblemFile(state, options, err)) {
        return kExitUsageOrUnreadable;
    }
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    CalculateDual(state, prompt, presenter);
    if (!state.mSolved) {
        prompt.ShowMessage(kNotSolvedMessage);
        return kExitRefused;
    }
    int status = GaveNoAnswer(state.mPrimalOutcome) || GaveNoAnswer(state.mDualOutcome)
                     ? kExitRefused
                     : kExitSuccess;
    const std::string report = BuildReport(state, now);
    if (!options.reportFile) {
        out << report;
    } else if (const auto failure = WriteTextFileAtomically(*options.reportFile, report)) {
        prompt.ShowMessage(*failure);
        status = kExitCannotWrite;
    }
    // Tried even when the report failed: one unwritable path should not cost the other file.
    if (options.workbookFile) {
        std::string error;
        const WorkbookPart* part = LoadWorkbookPart(PartFolderOfProgram(), error);
        if (part == nullptr) {
            prompt.ShowMessage(error);
            status = kExitMissingPart;
        } else if (const auto failure = part->write(state, *options.workbookFile)) {
            prompt.ShowMessage(*failure);
            status = kExitCannotWrite;
        }
    }
    return status;
}

int Convert(const std::vector<std::string>& args, std::ostream& err) {
    std::string error;
    const FormatsPart* part = LoadFormatsPart(PartFolderOfProgram(), error);
    if (part == nullptr) {
        err << error << '\n';
        return kExitMissingPart;
    }
    return part->run(args, err);
}

int Pages(const CliOptions& options, std::ostream& out, std::ostream& err) {
    VantrellState state;
    if (!OpenProblemFile(state, options, err)) {
        return kExitUsageOrUnreadable;
    }
    StreamPrompt prompt(err, options.problemFile, std::nullopt);
    SilentPresenter presenter;
    state.mRunOutcome = RunOutcome::NotRun;
    if (options.dual) {
        CalculateDual(state, prompt, presenter);
    } else {
        CalculatePrimal(state, prompt, presenter);
    }
    if (state.mRunOutcome == RunOutcome::NotRun) {
        return kExitRefused;  // refused before its first page; the message says why
    }
    const auto writePage = [&out](const TableauPage& page) {
        for (const std::string& line : page.Lines()) {
            out << line << '\n';
        }
        out << '\n';
    };
    int number = 0;
    // A two-phase run's pages say their phase; big M's print as they always have.
    const auto writeNumberedPage = [&writePage, &out, &number](const TableauPage& page) {
        ++number;
        if (page.mPhase != 0) {
            out << "Tableau #" << number << PhaseSuffix(page.mPhase) << "\n";
        }
        writePage(page);
    };
    ForEachCurrentPage(
        state, [&writeNumberedPage](const ShownPage& shown) { writeNumberedPage(shown.Page()); });
    // An unbounded run ends with the tableau that decides it.
    if (state.mRunOutcome == RunOutcome::Unbounded) {
        if (const auto deciding = DecidingPage(CurrentExactRun(state), state.mTableauCount,
                                               state.mDisplay, state.mDecimalPlaces)) {
            writeNumberedPage(*deciding);
        }
    }
    for (const std::string& line : state.mSolutionLines) {
        out << line << '\n';
    }
    // The tableaus maximize -Z: the minimum as the problem states it is said once.
    if (const auto minimum = RunMinimumLine(state)) {
        out << *minimum << '\n';
    }
    return GaveNoAnswer(state.mRunOutcome) ? kExitRefused : kExitSuccess;
}

// Passes messages on to the error stream and keeps the last one for the JSON answer.
class RecordingStreamPrompt : public StreamPrompt {
  public:
    using StreamPrompt::StreamPrompt;
    void ShowMessage(const std::string& text) override {
        last = text;
        StreamPrompt::ShowMessage(text);
    }
    std::string last;
};

int Solve(const CliOptions& options, std::ostream& out, std::ostream& err) {
    VantrellState state;
    if (!OpenProblemFile(state, options, err)) {
        return kExitUsageOrUnreadable;
    }
    RecordingStreamPrompt prompt(err, options.problemFile, std::nullopt);
    SilentPresenter presenter;
    RunMessages messages;
    CalculatePrimal(state, prompt, presenter);
    messages.primal = std::exchange(prompt.last, {});
    CalculateDual(state, prompt, presenter);
    messages.dual = prompt.last;
    // Written straight to the stream, as dump(2) would write it, without a copy as text.
    out << std::setw(2) << SolveAnswer(state, messages) << '\n';
    // The document is printed either way: it says which run gave no answer and why.
    return GaveNoAnswer(state.mPrimalOutcome) || GaveNoAnswer(state.mDualOutcome) ? kExitRefused
                                                                                  : kExitSuccess;
}

// Far more ticks than a window would ever be left to run; only absurd numbers get here.
constexpr int kMaxSweepSteps = 1000000;

// What the plot window shows at its first showing, then the sweep that Play runs.
int Plot(const CliOptions& options, std::ostream& out, std::ostream& err) {
    VantrellState state;
    if (!OpenProblemFile(state, options, err)) {
        return kExitUsageOrUnreadable;
    }
    StreamPrompt prompt(err, options.problemFile, std::nullopt);
    if (options.path) {
        return PrintPath(state, options.dual, out, prompt);
    }
    if (const auto refusal = PlotRefusal(state)) {
        prompt.ShowMessage(*refusal);
        return kExitRefused;
    }
    PlotGeometry geometry;
    if (!geometry.ComputeFeasiblePoints(state, prompt)) {
        return kExitRefused;
    }
    geometry.BuildRegionSeries(state, prompt);

    out << geometry.mTitle << '\n';
    for (const std::string& line : geometry.mListLines) {
        out << line << '\n';
    }
    out << "Extent: " << FixedText(geometry.mExtent, state.mDecimalPlaces) << '\n';
    if (geometry.HasObjectiveLine()) {
        out << "Slope: " << geometry.mSlopeText << '\n';
    }
    if (const auto refusal = geometry.PlayRefusal()) {
        out << "No sweep: " << *refusal << '\n';
        return kExitSuccess;
    }
    geometry.StartSweep(state.mMinimize);
    for (int steps = 1; steps <= kMaxSweepSteps; ++steps) {
        const auto reached = geometry.SweepStep(state.mMinimize);
        if (reached) {
            out << "Stops at line " << *reached << ": "
                << geometry.mListLines[static_cast<std::size_t>(*reached)] << " after " << steps
                << " steps\n";
            return kExitSuccess;
        }
        if (geometry.mStopped) {
            out << "No stop: the objective line stands still after " << steps << " steps\n";
            return kExitSuccess;
        }
    }
    out << "No stop: no feasible point reached within " << kMaxSweepSteps << " steps\n";
    return kExitSuccess;
}

// The tableaus of one run as a LaTeX document, to standard output or to the -o file.
int Latex(const CliOptions& options, std::ostream& out, std::ostream& err) {
    StreamPrompt prompt(err, options.problemFile, std::nullopt);
    if (const auto clash = OutputsClash(options)) {
        prompt.ShowMessage(*clash);
        return kExitCannotWrite;
    }
    VantrellState state;
    if (!OpenProblemFile(state, options, err)) {
        return kExitUsageOrUnreadable;
    }
    SilentPresenter presenter;
    options.dual ? CalculateDual(state, prompt, presenter)
                 : CalculatePrimal(state, prompt, presenter);
    if (KeptRun(state, options.dual).count <= 0) {
        return kExitRefused;  // refused before its first page; the message says why
    }
    if (const auto refusal = LatexRefusal(state)) {
        prompt.ShowMessage(*refusal);
        return kExitCannotWrite;
    }
    const std::string document = BuildLatexDocument(state, options.dual);
    if (!options.reportFile) {
        out << document;
    } else if (const auto failure = WriteFileAtomically(*options.reportFile, document)) {
        prompt.ShowMessage(*failure);
        return kExitCannotWrite;
    }
    // The pages up to the overflow are written, but the run gave no answer.
    return GaveNoAnswer(options.dual ? state.mDualOutcome : state.mPrimalOutcome) ? kExitRefused
                                                                                  : kExitSuccess;
}

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, const ReportClock& now) {
    if (!args.empty() && args[0] == "convert") {
        return Convert(args, err);
    }
    std::string error;
    const auto options = ParseCliOptions(args, error);
    if (!options) {
        err << "vantrell-cli: " << error << "\n\n" << kUsageText;
        return kExitUsageOrUnreadable;
    }
    switch (options->command) {
        case CliCommand::Help:
            out << kUsageText;
            return kExitSuccess;
        case CliCommand::Version:
            out << VersionText("vantrell-cli");
            return kExitSuccess;
        case CliCommand::Report:
            return Report(*options, out, err, now);
        case CliCommand::Pages:
            return Pages(*options, out, err);
        case CliCommand::Plot:
            return Plot(*options, out, err);
        case CliCommand::Solve:
            return Solve(*options, out, err);
        case CliCommand::Latex:
            return Latex(*options, out, err);
        case CliCommand::Practice:
            return RunPracticeCommand(*options, in, out, err);
        case CliCommand::Exercise:
            return RunExerciseCommand(options->commandArgs, out, err);
        case CliCommand::Sheet:
            return RunSheetCommand(options->commandArgs, out, err);
        case CliCommand::WhatIf:
            return RunWhatIfCommand(*options, out, err);
    }
    return kExitUsageOrUnreadable;
}

}  // namespace

bool OpenProblemFile(VantrellState& state, const CliOptions& options, std::ostream& err) {
    StreamPrompt prompt(err, options.problemFile, std::nullopt);
    if (OpenProblem(state, prompt) != OpenResult::Opened) {
        return false;
    }
    if (options.decimals) {
        state.mDecimalPlaces = *options.decimals;
    }
    if (options.display) {
        state.mDisplay = *options.display;
    }
    ApplyExplainOptions(state, options);
    return true;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ReportClock& now) {
    std::istringstream noInput;
    return RunCli(args, noInput, out, err, now);
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, const ReportClock& now) {
    StreamPrompt prompt(err, "", std::nullopt);
    int status = kExitSuccess;
    switch (RunGuarded(prompt, [&] { status = RunCommandLine(args, in, out, err, now); })) {
        case GuardedEnd::Completed:
            return status;
        case GuardedEnd::OutOfMemory:
            return kExitOutOfMemory;
        case GuardedEnd::Failed:
            break;
    }
    return kExitFailed;
}

}  // namespace vantrell::cli

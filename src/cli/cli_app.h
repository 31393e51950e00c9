// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "export/report_builder.h"
#include "model/vantrell_state.h"

namespace vantrell::cli {

enum ExitStatus : int {
    kExitSuccess = 0,
    kExitRefused = 1,
    kExitUsageOrUnreadable = 2,
    kExitCannotWrite = 3,
    kExitOutOfMemory = 4,
    kExitFailed = 5,  // an exception inside the program: a fault of ours, with its message
    // A part of the program that the command loads (command_parts.h) is missing or broken.
    kExitMissingPart = 6,
};

// Opens the problem file of options into state with the command line's decimals, display
// and explain options; false, after saying why on err, when it cannot be opened.
bool OpenProblemFile(VantrellState& state, const CliOptions& options, std::ostream& err);

// The whole batch front end: args are the arguments after the program name. The clock
// gives the report's date line.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ReportClock& now);
// The same with the answers of practice read from in; the form above gives it no input.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, const ReportClock& now);

}  // namespace vantrell::cli

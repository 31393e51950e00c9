// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/cli_app.h"
#include "cli/signal_cleanup.h"

int main(int argc, char** argv) {
    vantrell::cli::RemoveTemporariesOnSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vantrell::cli::RunCli(args, std::cin, std::cout, std::cerr, vantrell::ReportClockNow());
}

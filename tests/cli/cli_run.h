// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace vantrell::testing {

// One in-process run of the batch front end at a fixed clock, as a teacher's shell would
// see it.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliRun RunVantrellCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = cli::RunCli(args, out, err, ReportClock{12, 5, 2026, 9, 7});
    run.out = out.str();
    run.err = err.str();
    return run;
}

// A shipped example problem.
inline std::string Example(const std::string& name) {
    return std::string(VANTRELL_DATA_DIR) + "/" + name;
}

}  // namespace vantrell::testing

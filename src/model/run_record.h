// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vantrell {

// The run in exact numbers, made by the exact engine beside the decimal run.
struct ExactRun;

// What a run keeps beside its decimal pages, made once when the run is made: every view
// that explains the run reads it instead of running anything again.
struct RunRecord {
    std::shared_ptr<const ExactRun> exact;
    // How the student answered, line by line, when the run was made in practice mode;
    // empty for a run that Calculate made.
    std::vector<std::string> practice;
};

}  // namespace vantrell

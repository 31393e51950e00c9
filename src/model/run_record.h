// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vantrell {

// The run in exact numbers, made by the exact engine beside the decimal run.
struct ExactRun;

// Where a run's exact run comes from: made the first time a view asks for it, then kept.
// A run whose views all print decimals (the default report, pages, the workbook) never
// pays for it.
class ExactRunSource {
  public:
    virtual ~ExactRunSource() = default;
    virtual const ExactRun& Run() = 0;
};

// What a run keeps beside its decimal pages: every view that explains the run reads it
// instead of running anything again.
struct RunRecord {
    std::shared_ptr<ExactRunSource> exact;
    // How the student answered, line by line, when the run was made in practice mode;
    // empty for a run that Calculate made.
    std::vector<std::string> practice;
};

}  // namespace vantrell

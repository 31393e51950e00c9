// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/solve_method.h"

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

// One change to a row that brought the problem as stated into the first tableau, in the
// order made. (Which way the tableaus maximize follows from the sense alone.)
struct SetupStep {
    enum class Kind {
        FlipRow,    // a negative right-hand side: the row times -1
        NegateRow,  // the dual simplex method: a >= row times -1, so a slack can start it
        AddSlack,
        AddSurplus,
        AddArtificial,
    };
    Kind kind = Kind::FlipRow;
    std::size_t row = 0;  // the constraint row, from 0
    std::string name;     // the added column
};

// What a run keeps beside its decimal pages: every view that explains the run reads it
// instead of running anything again.
struct RunRecord {
    std::shared_ptr<ExactRunSource> exact;
    // How the student answered, line by line, when the run was made in practice mode;
    // empty for a run that Calculate made.
    std::vector<std::string> practice;
    // How the standard form was built, for the setup page.
    std::vector<SetupStep> setup;
    SolveMethod method = SolveMethod::BigM;
};

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/problem.h"

namespace vantrell {

// The problem a kept run solved, as it stood when the run was made: its primal and sense.
// A run belongs to the problem it solved; once the problem changes it is stale.
struct SolvedProblem {
    bool made = false;
    bool minimize = false;
    ProblemSet primal;
};

// The same objective terms, rows and names; the slope, which only the dialog reads, aside.
bool SameProblem(const ProblemSet& a, const ProblemSet& b);

// Whether a run made for solved is a run of this problem.
bool SolvedThisProblem(const SolvedProblem& solved, const ProblemSet& primal, bool minimize);

}  // namespace vantrell

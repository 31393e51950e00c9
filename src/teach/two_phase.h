// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/problem.h"
#include "teach/exact_run.h"

namespace vantrell {

// The two-phase method on the standard form (work and basis as BuildStandardForm leaves
// them, artificial variables in the first basis), in exact numbers:
//  Phase I   from the same first basis, maximizes -W, W the sum of the artificial
//            variables; it ends optimal, as W cannot fall below 0. W > 0: infeasible.
//  the pass  an artificial variable still basic (at 0) is driven out by a pivot on a
//            nonzero entry of its row outside the artificial columns; a row with none is
//            redundant and is dropped; then the artificial columns are dropped.
//  Phase II  from the basis Phase I ends with, the objective's own costs, to the end.
// Every page carries its phase; the pages of both phases share the page limit. The answer
// is checked by its proof (for an infeasible end, Phase I's).
ExactRun RunTwoPhase(const ProblemSet& work, const std::vector<CostTerm>& basis, PivotRule rule,
                     bool dual, bool minimize);

}  // namespace vantrell

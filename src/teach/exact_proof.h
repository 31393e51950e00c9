// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/problem.h"
#include "teach/exact_run.h"

namespace vantrell {

// Checks the exact run's answer by its proof before anything shows it, against the
// standard form the run started from (work and basis as BuildStandardForm leaves them):
//  optimal     the last page is a tableau of the problem (its basis gives its Bi), every
//              Bi >= 0 with the artificial variables at zero, the values satisfy every
//              row, no Cj-Zj is positive when worked out afresh from the basis, and the
//              dual values give the same objective (strong duality);
//  unbounded   the stopped page's point satisfies every row with the artificial variables
//              at zero, and the direction of its entering column keeps every row and every
//              variable non-negative while it raises the objective;
//  infeasible  an artificial variable stays positive while no column can lower the M
//              part of the objective any more (the big-M problem's optimum).
// Sets run.certified, and run.proofFault to what failed when it did not hold. One failure
// is the big-M method's own and no fault of the program: a run that stops unbounded while
// an artificial variable is above zero (which Bland's rule can reach) has not shown that
// the problem has any solution; run.undecided says so.
inline constexpr const char* kUndecidedStop = "it stopped unbounded with the artificial variable ";
void CertifyExactRun(ExactRun& run, const ProblemSet& work, const std::vector<CostTerm>& basis);

}  // namespace vantrell

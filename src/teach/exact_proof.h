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
// Sets run.certified, and run.proofFault to what failed when it did not hold.
void CertifyExactRun(ExactRun& run, const ProblemSet& work, const std::vector<CostTerm>& basis);

}  // namespace vantrell

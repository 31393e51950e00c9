// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/problem.h"

namespace vantrell {

// Rebuilds the dual of primal into dual, stored as a maximization so the same engine
// solves it. With no objective term or no row only the dual objective is emptied.
void RebuildDual(const ProblemSet& primal, bool minimize, ProblemSet& dual);

}  // namespace vantrell

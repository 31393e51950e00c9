// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vantrell {

// How a solver run ended. Kept with the run's results so every reader tells the truth.
enum class RunOutcome {
    NotRun,      // no run has produced these results
    Optimal,     // no column can enter: the last tableau is optimal
    Infeasible,  // an artificial variable stays positive and nothing can drive it out
    Unbounded,   // no row limits the entering variable
    Cycling,     // the page store filled up and a basis had come back: it would never end
    PageLimit,   // the page store filled up with every basis new: the run needs more pages
    TooLarge,    // a tableau number overflowed, or a ratio reached the "no ratio" mark
    Stopped,     // the user stopped the run on a page before its last
};

const char* ToString(RunOutcome outcome);

// The line that stands in for the solution lines of a run that did not end at an
// optimum; empty for Optimal and NotRun.
std::string OutcomeSolutionText(RunOutcome outcome);

// The question asked when the user leaves the last page of a run.
std::string LastPageQuestion(RunOutcome outcome);

}  // namespace vantrell

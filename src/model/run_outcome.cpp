// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/run_outcome.h"

namespace vantrell {

const char* ToString(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::NotRun:
            return "not run";
        case RunOutcome::Optimal:
            return "optimal";
        case RunOutcome::Infeasible:
            return "infeasible";
        case RunOutcome::Unbounded:
            return "unbounded";
        case RunOutcome::Cycling:
            return "cycling";
        case RunOutcome::PageLimit:
            return "page limit";
        case RunOutcome::TooLarge:
            return "too large";
        case RunOutcome::Stopped:
            return "stopped";
    }
    return "unknown";
}

std::string OutcomeSolutionText(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::Infeasible:
            return "No Feasible Solution: an artificial variable is still positive";
        case RunOutcome::Unbounded:
            return "Unbounded: no row limits the entering variable";
        case RunOutcome::Cycling:
            return "Stopped after 30 tableaus: the problem may be cycling";
        case RunOutcome::PageLimit:
            return "Stopped after 30 tableaus: the problem needs more tableaus than can be shown";
        case RunOutcome::TooLarge:
            return "The numbers of this problem are too large to solve";
        case RunOutcome::Stopped:
            return "Stopped by the user before the last tableau: not solved";
        case RunOutcome::NotRun:
        case RunOutcome::Optimal:
            break;
    }
    return {};
}

std::string LastPageQuestion(RunOutcome outcome) {
    if (outcome == RunOutcome::Infeasible) {
        return "No Feasible Solution. This is the last tableau. Do you really want to leave?";
    }
    return "Optimal Solution Found. This is the last tableau. Do you really want to leave?";
}

}  // namespace vantrell

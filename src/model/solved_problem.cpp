// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/solved_problem.h"

namespace vantrell {

bool SameProblem(const ProblemSet& a, const ProblemSet& b) {
    return a.objective == b.objective && a.constraints == b.constraints &&
           a.constraintNames == b.constraintNames;
}

bool SolvedThisProblem(const SolvedProblem& solved, const ProblemSet& primal, bool minimize) {
    return solved.made && solved.minimize == minimize && SameProblem(solved.primal, primal);
}

}  // namespace vantrell

#include "model/vantrell_state.h"

namespace vantrell {

bool KeptRunIsCurrent(const VantrellState& state, bool dual) {
    return SolvedThisProblem(KeptRun(state, dual).solved, state.mPrimal, state.mMinimize);
}

bool LastRunIsStale(const VantrellState& state) {
    return state.mLastSolved.made &&
           !SolvedThisProblem(state.mLastSolved, state.mPrimal, state.mMinimize);
}

bool NoKeptRunIsCurrent(const VantrellState& state) {
    const bool anyKept = state.mPrimalSolved.made || state.mDualSolved.made;
    return anyKept && !KeptRunIsCurrent(state, false) && !KeptRunIsCurrent(state, true);
}

bool KeptRunIsStale(const VantrellState& state, bool dual) {
    const SolvedProblem& solved = KeptRun(state, dual).solved;
    return solved.made && !KeptRunIsCurrent(state, dual);
}

}  // namespace vantrell

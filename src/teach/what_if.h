// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/pivot_rule.h"
#include "model/problem.h"
#include "teach/exact_run.h"
#include "teach/sensitivity.h"
#include "teach/step_notes.h"

namespace vantrell {

// One change to a solved problem, as stated.
struct WhatIfChange {
    enum class Kind { Rhs, Cost, Row };
    Kind kind = Kind::Rhs;
    std::string name;    // the constraint (Rhs), the variable (Cost) or the new row's name
    double value = 0.0;  // the new right-hand side or cost
    std::vector<double> coefficients;    // Row: X1, X2, ... in order
    std::int32_t relation = kLessEqual;  // Row: <= or >=
};

// What a set of changes does to the final tableau of the problem's optimal run.
struct WhatIfAnswer {
    std::optional<std::string> error;  // a change that cannot be made, or no optimum to start
    ProblemSet changed;                // the problem as stated with the changes
    // The check, line by line: each change against its range, the 100 percent rule, the new
    // Bi column as B^-1 b, the new Cj-Zj, and what follows.
    std::vector<std::string> check;
    bool basisStays = false;  // still feasible and optimal: the answer is read off at once
    // From the changed final tableau to the new answer: the dual simplex method while a Bi
    // is negative (a right-hand side, a new row), then the primal simplex method while a
    // Cj-Zj is positive (a cost). Certified against the changed problem.
    ExactRun run;
    std::vector<std::string> notes;  // one per page of run, and one for an unbounded stop
};

// The changes made to the final tableau of problem's optimal run (solved by rule) and the
// run from there to the new answer. Right-hand sides and rows go first, costs after them,
// so each method starts from a tableau it can work on.
WhatIfAnswer WhatIf(const ProblemSet& problem, bool minimize, PivotRule rule,
                    const std::vector<WhatIfChange>& changes, const NoteNumbers& numbers);

// The 100 percent rule for several changes of one kind (right-hand sides, or costs): the
// sum over the changes of each one's part of the way to its range's end.
struct HundredPercent {
    std::optional<Rational> sum;  // nothing when a change leaves a range with no room
    bool Holds() const { return sum && *sum <= 1; }
};
HundredPercent HundredPercentRule(const Sensitivity& sensitivity, const ProblemSet& problem,
                                  const std::vector<WhatIfChange>& changes,
                                  WhatIfChange::Kind kind);
// The rule's line: the parts, their sum, and that it holds or cannot decide.
std::string HundredPercentLine(const Sensitivity& sensitivity, const ProblemSet& problem,
                               const std::vector<WhatIfChange>& changes, WhatIfChange::Kind kind,
                               const NoteNumbers& numbers);

}  // namespace vantrell

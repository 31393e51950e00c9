// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/problem.h"
#include "model/vantrell_state.h"
#include "teach/exact_run.h"
#include "teach/step_notes.h"

namespace vantrell {

// One dual value as the final primal tableau holds it: the Zj of the row's slack (a <=
// row), minus the Zj of its surplus (a >= row) or the constant part of its artificial's
// Zj (an equation), as the problem is stated.
struct DualValue {
    std::string constraint;  // the constraint's label
    std::string name;        // the dual variable, Y1, Y2, ...
    std::string column;      // the final tableau's column it is read from
    bool negated = false;    // minus the column's Zj
    Rational value;
};

// A row of the complementary slackness table: a primal amount beside its dual partner,
// whose product is 0 at an optimum.
struct SlacknessRow {
    std::string name;     // the constraint, or the variable
    Rational primal;      // the constraint's slack or surplus, or the variable's value
    std::string partner;  // the dual value's name, or the dual constraint's
    Rational dual;        // the dual value, or the dual constraint's surplus
    Rational product;
};

struct Duality {
    std::vector<DualValue> values;
    Rational z;  // the primal's optimum as stated
    Rational w;  // the dual's objective at the values read off: sum of b_i times Y_i
    std::vector<SlacknessRow> constraints;
    std::vector<SlacknessRow> variables;
    // The optimum of the dual's own run, when it was made and ended optimal.
    std::optional<Rational> dualRunOptimum;
};

// Read off the final tableau of an optimal, certified primal run of problem (as stated);
// dualRun, when given, is the dual's own run. Nothing when the run is not optimal or an
// artificial variable is still basic.
std::optional<Duality> ComputeDuality(const ExactRun& run, const ProblemSet& problem,
                                      const ExactRun* dualRun);
// The primal run kept in state, with the dual's run when it was made of the same problem.
std::optional<Duality> KeptRunDuality(const VantrellState& state);

// The Duality view's text: where each dual value sits, W and strong duality, the
// complementary slackness table, and the dual run's optimum beside it.
std::vector<std::string> DualityLines(const Duality& duality, const NoteNumbers& numbers);

}  // namespace vantrell

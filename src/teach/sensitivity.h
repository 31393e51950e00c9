// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/vantrell_state.h"
#include "teach/exact_run.h"
#include "teach/step_notes.h"

namespace vantrell {

// An interval whose missing end is infinite.
struct ExactRange {
    std::optional<Rational> low;
    std::optional<Rational> high;
};

struct ConstraintSensitivity {
    std::string name;
    Rational shadowPrice;  // change of the optimum as stated per unit more right-hand side
    ExactRange rhsRange;   // right-hand sides over which the final basis stays feasible
};

struct VariableSensitivity {
    std::string name;
    Rational reducedCost;  // 0 for a basic variable
    ExactRange costRange;  // objective coefficients over which the basis stays optimal
};

struct Sensitivity {
    std::vector<ConstraintSensitivity> constraints;
    std::vector<VariableSensitivity> variables;
    bool degenerate = false;  // a basic variable at 0: the ranges are those of this basis
};

// Constraint i's name, or "#" and its number when it has none (the dual's rows).
std::string ConstraintLabel(const ProblemSet& problem, std::size_t i);

// Read off the final tableau of an optimal run; problem is the problem as stated. Nothing
// when the run is not optimal or an artificial variable is still basic.
std::optional<Sensitivity> ComputeSensitivity(const ExactRun& run, const ProblemSet& problem);
std::optional<Sensitivity> KeptRunSensitivity(const VantrellState& state, bool dual);

// What the Sensitivity window says when there is nothing to show.
inline constexpr const char* kNoOptimalRunMessage =
    "There is no optimal run of this problem: solve it first (Calculate Primal or Dual)";

// The sensitivity the Sensitivity window shows: of the last run (primal or dual) when it is
// of the problem now in the window and ended optimal; dual says which run it was.
struct CurrentSensitivity {
    bool dual = false;
    Sensitivity sensitivity;
};
std::optional<CurrentSensitivity> SensitivityOfCurrentRun(const VantrellState& state);

// The two tables of the Sensitivity window and the report: a heading line, then one line
// per constraint or variable, numbers in the display options and infinite ends as
// "-inf"/"inf".
using SensitivityTable = std::vector<std::vector<std::string>>;
SensitivityTable ConstraintTable(const Sensitivity& sensitivity, const NoteNumbers& numbers);
SensitivityTable VariableTable(const Sensitivity& sensitivity, const NoteNumbers& numbers);

}  // namespace vantrell

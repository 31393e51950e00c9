// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/pivot_rule.h"
#include "model/problem.h"
#include "model/vantrell_state.h"

namespace vantrell::testing {

struct RowSpec {
    RowSpec(std::vector<double> coefficients_, std::string relation_, double rhs_,
            std::string name_ = {})
        : coefficients(std::move(coefficients_)),
          relation(std::move(relation_)),
          rhs(rhs_),
          name(std::move(name_)) {}

    std::vector<double> coefficients;
    std::string relation;  // "<=", "=" or ">="
    double rhs = 0.0;
    std::string name;
};

// A problem as the input dialogs build it: terms X1..Xn, a zero coefficient carries the
// zero marker, rows named C1, C2, ... unless named.
ProblemSet MakeProblem(const std::vector<double>& costs, const std::vector<RowSpec>& rows);

// max 3X1 + 5X2: X1 <= 4, 2X2 <= 12, 3X1 + 2X2 <= 18; the optimum is X1 = 2, X2 = 6.
ProblemSet ThreePlants();

enum class Runs { Primal, Dual, Both };

// The problem solved as the Calculate commands solve it, with no one watching the pages.
VantrellState SolvedState(const ProblemSet& primal, bool minimize = false, Runs runs = Runs::Primal,
                          PivotRule rule = PivotRule::LargestCjZj,
                          SolveMethod method = SolveMethod::BigM);

}  // namespace vantrell::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/problem_builders.h"

#include "commands/calculate_commands.h"
#include "model/variable_names.h"
#include "simplex/dual_builder.h"
#include "support/scripted_prompt.h"

namespace vantrell::testing {

ProblemSet MakeProblem(const std::vector<double>& costs, const std::vector<RowSpec>& rows) {
    ProblemSet problem;
    for (std::size_t k = 0; k < costs.size(); ++k) {
        CostTerm term;
        term.id = static_cast<std::int32_t>(k);
        term.name = DecisionName(static_cast<int>(k + 1));
        term.cost = costs[k];
        term.zero = costs[k] == 0.0;
        problem.objective.push_back(term);
    }
    int number = 1;
    for (const RowSpec& rowSpec : rows) {
        ConstraintRow row;
        for (std::size_t k = 0; k < rowSpec.coefficients.size(); ++k) {
            row.AppendColumn(static_cast<std::int32_t>(k), DecisionName(static_cast<int>(k + 1)),
                             rowSpec.coefficients[k], rowSpec.coefficients[k] == 0.0);
        }
        row.relationText = rowSpec.relation;
        row.relation = rowSpec.relation == "<="   ? kLessEqual
                       : rowSpec.relation == "="  ? kEqual
                       : rowSpec.relation == ">=" ? kGreaterEqual
                                                  : kUnknownRelation;
        row.rhs = rowSpec.rhs;
        problem.constraints.push_back(row);
        problem.constraintNames.push_back(rowSpec.name.empty() ? "C" + std::to_string(number)
                                                               : rowSpec.name);
        ++number;
    }
    return problem;
}

ProblemSet ThreePlants() {
    return MakeProblem({3, 5}, {{{1, 0}, "<=", 4}, {{0, 2}, "<=", 12}, {{3, 2}, "<=", 18}});
}

VantrellState SolvedState(const ProblemSet& primal, bool minimize, Runs runs, PivotRule rule,
                          SolveMethod method) {
    VantrellState state;
    state.mPrimal = primal;
    state.mMinimize = minimize;
    state.mPivotRule = rule;
    state.mMethod = method;
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    ScriptedPrompt prompt;
    SilentPresenter presenter;
    if (runs != Runs::Dual) {
        CalculatePrimal(state, prompt, presenter);
    }
    if (runs != Runs::Primal) {
        CalculateDual(state, prompt, presenter);
    }
    return state;
}

}  // namespace vantrell::testing

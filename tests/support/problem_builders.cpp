#include "support/problem_builders.h"

#include "model/variable_names.h"

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
    for (const RowSpec& spec : rows) {
        ConstraintRow row;
        for (std::size_t k = 0; k < spec.coefficients.size(); ++k) {
            row.AppendColumn(static_cast<std::int32_t>(k), DecisionName(static_cast<int>(k + 1)),
                             spec.coefficients[k], spec.coefficients[k] == 0.0);
        }
        row.relationText = spec.relation;
        row.relation = spec.relation == "<="   ? kLessEqual
                       : spec.relation == "="  ? kEqual
                       : spec.relation == ">=" ? kGreaterEqual
                                               : kUnknownRelation;
        row.rhs = spec.rhs;
        problem.constraints.push_back(row);
        problem.constraintNames.push_back(spec.name.empty() ? "C" + std::to_string(number)
                                                            : spec.name);
        ++number;
    }
    return problem;
}

}  // namespace vantrell::testing

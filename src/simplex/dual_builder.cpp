// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/dual_builder.h"

#include "model/variable_names.h"

namespace vantrell {
namespace {

// A row whose relation runs against the primal's sense gets a negated dual column and cost.
bool AgainstTheSense(const ConstraintRow& row, bool minimize) {
    return minimize ? row.relation == kLessEqual : row.relation == kGreaterEqual;
}

// Dual variable Yk has id k-1, like a decision variable: never one of the negative ids of
// slack, surplus and artificial columns, however many rows the primal has.
std::int32_t DualId(std::int32_t number) {
    return number - 1;
}

CostTerm DualTerm(std::int32_t number, double cost) {
    CostTerm term;
    term.id = DualId(number);
    term.name = DualName(number);
    term.cost = cost;
    return term;
}

}  // namespace

void RebuildDual(const ProblemSet& primal, bool minimize, ProblemSet& dual) {
    dual.objective.clear();
    if (primal.objective.empty() || primal.constraints.empty()) {
        return;
    }
    const auto m = static_cast<std::int32_t>(primal.constraints.size());

    std::int32_t equalities = 0;
    for (std::int32_t i = 0; i < m; ++i) {
        const ConstraintRow& row = primal.constraints[static_cast<std::size_t>(i)];
        const double b = row.rhs;
        const bool against = AgainstTheSense(row, minimize);
        const double cost = minimize ? (against ? -b : b) : (against ? b : -b);
        dual.objective.push_back(DualTerm(i + 1, cost));
        if (row.relation == kEqual) {
            ++equalities;
            dual.objective.push_back(DualTerm(m + equalities, minimize ? -b : b));
        }
    }

    dual.constraintNames.clear();
    dual.constraints.clear();
    // Rows shorter than the widest are read as if filled up with zero columns.
    const std::size_t width = primal.WidestColumnCount();
    for (std::size_t j = 0; j < width; ++j) {
        ConstraintRow dualRow;
        std::int32_t equality = 0;
        for (std::int32_t i = 0; i < m; ++i) {
            const ConstraintRow& row = primal.constraints[static_cast<std::size_t>(i)];
            const bool present = j < row.ColumnCount();
            const double a = present ? row.coefficients[j] : 0.0;
            const bool zeroMark = present ? static_cast<bool>(row.zeroMarks[j]) : true;
            const bool against = AgainstTheSense(row, minimize);
            dualRow.AppendColumn(DualId(i + 1), DualName(i + 1), against ? -a : a, zeroMark);
            if (row.relation == kEqual) {
                ++equality;
                dualRow.AppendColumn(DualId(m + equality), DualName(m + equality), -a, zeroMark);
            }
        }
        dualRow.relation = minimize ? kLessEqual : kGreaterEqual;
        dualRow.relationText = RelationSymbol(dualRow.relation);
        dualRow.rhs = j < primal.objective.size() ? primal.objective[j].cost : 0.0;
        dual.constraints.push_back(std::move(dualRow));
        dual.constraintNames.emplace_back();
    }
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/problem.h"

#include <algorithm>

#include "model/variable_names.h"

namespace vantrell {

void ConstraintRow::AppendColumn(std::int32_t id, std::string name, double coefficient,
                                 bool zeroMark) {
    columnIds.push_back(id);
    columnNames.push_back(std::move(name));
    coefficients.push_back(coefficient);
    zeroMarks.push_back(zeroMark);
}

void ConstraintRow::AppendMarkedZeroColumn(int index) {
    AppendColumn(index, DecisionName(index + 1), 0.0, true);
}

CostTerm MarkedZeroTerm(int index) {
    CostTerm term;
    term.id = index;
    term.name = DecisionName(index + 1);
    term.zero = true;
    return term;
}

void ConstraintRow::ClearColumns() {
    columnIds.clear();
    columnNames.clear();
    coefficients.clear();
    zeroMarks.clear();
}

void ProblemSet::Clear() {
    objective.clear();
    constraints.clear();
    constraintNames.clear();
}

std::size_t ProblemSet::WidestColumnCount() const {
    std::size_t widest = objective.size();
    for (const ConstraintRow& row : constraints) {
        widest = std::max(widest, row.ColumnCount());
    }
    return widest;
}

const char* RelationSymbol(std::int32_t relation) {
    switch (relation) {
        case kLessEqual:
            return "<=";
        case kEqual:
            return "=";
        case kGreaterEqual:
            return ">=";
        default:
            return "";
    }
}

}  // namespace vantrell

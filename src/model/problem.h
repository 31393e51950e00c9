// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrell {

// A variable with its objective cost; also an entry of the basis and of the results.
// The cost reads cost + mCost * M.
struct CostTerm {
    std::int32_t id = 0;
    std::string name;
    double cost = 0.0;
    bool zero = false;
    bool hasM = false;
    double mCost = 0.0;

    bool operator==(const CostTerm&) const = default;
};

enum RelationCode : std::int32_t {
    kLessEqual = 0,
    kEqual = 1,
    kGreaterEqual = 2,
    // None of the three. The file reader refuses such a row and both runs refuse a primal
    // that has one.
    kUnknownRelation = -1,
};

// One constraint in column form; the four vectors always have the same length.
struct ConstraintRow {
    std::vector<std::int32_t> columnIds;
    std::vector<std::string> columnNames;
    std::vector<double> coefficients;
    std::vector<bool> zeroMarks;
    std::int32_t relation = kLessEqual;
    std::string relationText;
    double rhs = 0.0;

    std::size_t ColumnCount() const { return columnIds.size(); }
    void AppendColumn(std::int32_t id, std::string name, double coefficient, bool zeroMark);
    // Column X(index+1) with a marked zero: a term the row does not have.
    void AppendMarkedZeroColumn(int index);
    void ClearColumns();

    bool operator==(const ConstraintRow&) const = default;
};

// One problem. constraints and constraintNames are one unit and change together.
struct ProblemSet {
    std::vector<CostTerm> objective;
    double slope = 0.0;
    std::vector<ConstraintRow> constraints;
    std::vector<std::string> constraintNames;

    void Clear();
    // The number of columns every row and the objective are read with: the widest of them.
    std::size_t WidestColumnCount() const;
};

// A Zj or Cj-Zj cell: constPart + mPart * M. hasM says whether an M part exists at all,
// even one that sums to 0.
struct BigMValue {
    double mPart = 0.0;
    bool hasM = false;
    double constPart = 0.0;
};

// The objective term of X(index+1) that was not given: cost 0, marked zero.
CostTerm MarkedZeroTerm(int index);

const char* RelationSymbol(std::int32_t relation);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "model/problem.h"
#include "simplex/pivot_rules.h"

namespace vantrell {

// Round-off never decides a pivot in the decimal run: values within kZeroTolerance of zero
// count as zero in every sign test.
inline constexpr double kZeroTolerance = 1e-9;
// The stored ratio of a row that the ratio test excludes, shown as "-".
inline constexpr double kNoRatio = 9e29;

template <>
struct Signs<double> {
    static bool Positive(double value) { return value > kZeroTolerance; }
    static bool Negative(double value) { return value < -kZeroTolerance; }
    static bool Zero(double value) { return std::fabs(value) <= kZeroTolerance; }
    static bool SameRatio(double a, double b) { return std::fabs(a - b) <= kZeroTolerance; }
    // The page could not tell such a ratio from an excluded row's mark (or it overflowed).
    static bool TooLarge(double ratio) { return !(ratio < kNoRatio); }
};

template <>
struct MParts<BigMValue> {
    static double& C(BigMValue& value) { return value.constPart; }
    static const double& C(const BigMValue& value) { return value.constPart; }
    static double& M(BigMValue& value) { return value.mPart; }
    static const double& M(const BigMValue& value) { return value.mPart; }
    static bool HasM(const BigMValue& value) { return value.hasM; }
    static void SetHasM(BigMValue& value, bool hasM) { value.hasM = hasM; }
};

// The decimal run's tableau is the working problem itself, one row per constraint.
template <>
struct TableauOps<ProblemSet> {
    using Number = double;
    using Value = BigMValue;
    static std::size_t Rows(const ProblemSet& t) { return t.constraints.size(); }
    static std::size_t RowLength(const ProblemSet& t, std::size_t i) {
        return t.constraints[i].coefficients.size();
    }
    static double& Cell(ProblemSet& t, std::size_t i, std::size_t k) {
        return t.constraints[i].coefficients[k];
    }
    static const double& Cell(const ProblemSet& t, std::size_t i, std::size_t k) {
        return t.constraints[i].coefficients[k];
    }
    static double& Rhs(ProblemSet& t, std::size_t i) { return t.constraints[i].rhs; }
    static const double& Rhs(const ProblemSet& t, std::size_t i) { return t.constraints[i].rhs; }
    static bool Marked(const ProblemSet& t, std::size_t i, std::size_t k) {
        return t.constraints[i].zeroMarks[k];
    }
    static void SetMarked(ProblemSet& t, std::size_t i, std::size_t k, bool marked) {
        t.constraints[i].zeroMarks[k] = marked;
    }
    static const std::vector<std::string>& ColumnNames(const ProblemSet& t) {
        return t.constraints.front().columnNames;
    }
    static const std::vector<CostTerm>& Objective(const ProblemSet& t) { return t.objective; }
    static BigMValue Cost(const CostTerm& term) { return {term.mCost, term.hasM, term.cost}; }
};

}  // namespace vantrell

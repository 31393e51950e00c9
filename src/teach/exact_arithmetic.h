// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/problem.h"
#include "simplex/pivot_rules.h"
#include "teach/exact_number.h"
#include "teach/exact_run.h"

namespace vantrell {

// Exact numbers compare exactly: no tolerance, no ratio too large to show.
template <>
struct Signs<Rational> {
    static bool Positive(const Rational& value) { return sgn(value) > 0; }
    static bool Negative(const Rational& value) { return sgn(value) < 0; }
    static bool Zero(const Rational& value) { return sgn(value) == 0; }
    static bool SameRatio(const Rational& a, const Rational& b) { return a == b; }
    static bool TooLarge(const Rational&) { return false; }
};

template <>
struct MParts<ExactMValue> {
    static Rational& C(ExactMValue& value) { return value.c; }
    static const Rational& C(const ExactMValue& value) { return value.c; }
    static Rational& M(ExactMValue& value) { return value.m; }
    static const Rational& M(const ExactMValue& value) { return value.m; }
    static bool HasM(const ExactMValue& value) { return value.hasM; }
    static void SetHasM(ExactMValue& value, bool hasM) { value.hasM = hasM; }
};

// The exact run's tableau between pages: the standard form read exactly, then pivoted.
struct ExactTableau {
    std::vector<CostTerm> objective;
    std::vector<std::string> columnNames;
    std::vector<std::vector<Rational>> a;
    std::vector<std::vector<bool>> zeroMarks;
    std::vector<Rational> b;
    std::vector<CostTerm> basis;
};

template <>
struct TableauOps<ExactTableau> {
    using Number = Rational;
    using Value = ExactMValue;
    static std::size_t Rows(const ExactTableau& t) { return t.a.size(); }
    static std::size_t RowLength(const ExactTableau& t, std::size_t i) { return t.a[i].size(); }
    static Rational& Cell(ExactTableau& t, std::size_t i, std::size_t k) { return t.a[i][k]; }
    static const Rational& Cell(const ExactTableau& t, std::size_t i, std::size_t k) {
        return t.a[i][k];
    }
    static Rational& Rhs(ExactTableau& t, std::size_t i) { return t.b[i]; }
    static const Rational& Rhs(const ExactTableau& t, std::size_t i) { return t.b[i]; }
    static bool Marked(const ExactTableau& t, std::size_t i, std::size_t k) {
        return t.zeroMarks[i][k];
    }
    static void SetMarked(ExactTableau& t, std::size_t i, std::size_t k, bool marked) {
        t.zeroMarks[i][k] = marked;
    }
    static const std::vector<std::string>& ColumnNames(const ExactTableau& t) {
        return t.columnNames;
    }
    static const std::vector<CostTerm>& Objective(const ExactTableau& t) { return t.objective; }
    static ExactMValue Cost(const CostTerm& term) { return ExactCost(term); }
};

// The standard form's tableau in exact numbers: every number as the student typed it.
ExactTableau ExactTableauOf(const ProblemSet& work, const std::vector<CostTerm>& basis);

// The page of tableau t before its pivot: its Zj, Cj-Zj and Z.
ExactPage ExactPageOf(const ExactTableau& t, PivotRule rule);
// The big-M run from tableau t on, by the rule, as RunExact runs from the first tableau.
ExactRun ContinueExact(ExactTableau t, PivotRule rule, bool dual, bool minimize);

}  // namespace vantrell

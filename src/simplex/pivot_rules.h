// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "model/pivot_rule.h"
#include "model/problem.h"
#include "model/variable_names.h"

namespace vantrell {

// The textbook rules of one big-M tableau, written once for every kind of number: the
// decimal run instantiates them with doubles, the exact run with rationals.
//
// A number type N comes with Signs<N>: its sign tests and the ratio tie. The tolerance
// that keeps round-off from deciding a pivot is the double arithmetic's, not the rule's.
template <class N>
struct Signs;

// An M value a + bM comes with MParts<V>: its constant part C, its M part M, and whether
// an M part is shown at all.
template <class V>
struct MParts;

// A tableau type T comes with TableauOps<T>: its number and M value types, its cells,
// right-hand sides and marked zeros, its column names and objective terms, and the value
// of a cost term in its numbers.
template <class T>
struct TableauOps;

// Above zero in big-M order: an M part above zero, or none and a positive constant.
template <class V>
bool ImprovesInBigMOrder(const V& value) {
    using N = std::decay_t<decltype(MParts<V>::C(value))>;
    const auto& m = MParts<V>::M(value);
    const auto& c = MParts<V>::C(value);
    return Signs<N>::Positive(m) || (Signs<N>::Zero(m) && Signs<N>::Positive(c));
}

// Whether column k's Cj-Zj lets it enter: big-M order where it has an M part.
template <class V>
bool Improves(const V& value) {
    using N = std::decay_t<decltype(MParts<V>::C(value))>;
    return MParts<V>::HasM(value) ? ImprovesInBigMOrder(value)
                                  : Signs<N>::Positive(MParts<V>::C(value));
}

// Zj and Cj-Zj per column, part by part. A Cj-Zj cell without M keeps its old M part.
template <class T, class V>
void ReducedCostsOf(const T& t, const std::vector<CostTerm>& basis, std::vector<V>& zj,
                    std::vector<V>& cjzj) {
    using Ops = TableauOps<T>;
    using P = MParts<V>;
    const std::vector<CostTerm>& objective = Ops::Objective(t);
    const std::size_t columns = objective.size();
    zj.resize(columns);
    cjzj.resize(columns);
    std::vector<V> cb;
    for (std::size_t r = 0; r < Ops::Rows(t); ++r) {
        cb.push_back(Ops::Cost(basis[r]));
    }
    for (std::size_t k = 0; k < columns; ++k) {
        zj[k] = V{};
        P::SetHasM(cjzj[k], false);
        for (std::size_t r = 0; r < cb.size(); ++r) {
            const auto& a = Ops::Cell(t, r, k);
            P::C(zj[k]) += a * P::C(cb[r]);
            if (P::HasM(cb[r])) {
                P::SetHasM(zj[k], true);
                P::M(zj[k]) += a * P::M(cb[r]);
            }
        }
        const V cj = Ops::Cost(objective[k]);
        P::C(cjzj[k]) = P::C(cj) - P::C(zj[k]);
        if (P::HasM(cj) || P::HasM(zj[k])) {
            P::SetHasM(cjzj[k], true);
            P::M(cjzj[k]) = P::M(cj) - P::M(zj[k]);
        }
    }
}

// Objective value from constant parts only: cost of each column times the Bi of the first
// row whose basic variable has that column's id.
template <class T>
auto ObjectiveValueOf(const T& t, const std::vector<CostTerm>& basis) {
    using Ops = TableauOps<T>;
    typename Ops::Number z{};
    for (const CostTerm& column : Ops::Objective(t)) {
        for (std::size_t r = 0; r < basis.size(); ++r) {
            if (basis[r].id == column.id) {
                z += MParts<typename Ops::Value>::C(Ops::Cost(column)) * Ops::Rhs(t, r);
                break;
            }
        }
    }
    return z;
}

// The column to enter, or -1 when none improves. Artificial columns never enter.
// Largest Cj-Zj: the largest M part among columns with one, ties to the larger number
// part; then, without M, the largest positive number part, first on ties.
// Smallest index: the first column whose Cj-Zj is positive read in big-M order, the M
// part first (above zero), then with a zero M part the number part (above zero). Every
// improving column competes in one pass, so this is Bland's rule for the big-M problem
// and no basis can come back.
template <class V>
int EnteringColumnOf(const std::vector<CostTerm>& objective, const std::vector<V>& cjzj,
                     PivotRule rule) {
    using P = MParts<V>;
    if (rule == PivotRule::SmallestIndex) {
        for (std::size_t k = 0; k < cjzj.size(); ++k) {
            if (objective[k].id != kArtificialId && Improves(cjzj[k])) {
                return static_cast<int>(k);
            }
        }
        return -1;
    }
    int chosen = -1;
    const auto best = [&] { return cjzj[static_cast<std::size_t>(chosen)]; };
    // M pass: the largest M part wins, ties go to the larger constant part.
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        const V& value = cjzj[k];
        if (objective[k].id == kArtificialId || !P::HasM(value) || !ImprovesInBigMOrder(value)) {
            continue;
        }
        if (chosen == -1 || P::M(value) > P::M(best()) ||
            (P::M(value) == P::M(best()) && P::C(value) > P::C(best()))) {
            chosen = static_cast<int>(k);
        }
    }
    if (chosen != -1) {
        return chosen;
    }
    // Constant pass over the columns without M: the largest positive Cj-Zj, first on ties.
    using N = std::decay_t<decltype(P::C(cjzj.front()))>;
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        const V& value = cjzj[k];
        if (objective[k].id == kArtificialId || P::HasM(value) ||
            !Signs<N>::Positive(P::C(value))) {
            continue;
        }
        if (chosen == -1 || P::C(value) > P::C(best())) {
            chosen = static_cast<int>(k);
        }
    }
    return chosen;
}

// An artificial variable is basic at a positive value and no column can lower its
// penalty any more: the constraints cannot all hold.
template <class T, class V>
bool NoFeasibleSolution(const T& t, const std::vector<CostTerm>& basis,
                        const std::vector<V>& cjzj) {
    using Ops = TableauOps<T>;
    using N = typename Ops::Number;
    bool artificialPositive = false;
    for (std::size_t r = 0; r < basis.size(); ++r) {
        if (basis[r].id == kArtificialId && Signs<N>::Positive(Ops::Rhs(t, r))) {
            artificialPositive = true;
        }
    }
    if (!artificialPositive) {
        return false;
    }
    const std::vector<CostTerm>& objective = Ops::Objective(t);
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        if (objective[k].id != kArtificialId && MParts<V>::HasM(cjzj[k]) &&
            Signs<N>::Positive(MParts<V>::M(cjzj[k]))) {
            return false;
        }
    }
    return true;
}

// What the ratio test found: the leaving row, or none (no row limits the column), or a
// ratio the page cannot show (the double run's "no ratio" mark or beyond).
struct RatioTestResult {
    enum class Kind { Row, NoRow, TooLarge };
    Kind kind = Kind::NoRow;
    int row = -1;
};

// Fills ratios (nothing for excluded rows) for the entering column and picks the leaving
// row: the least ratio that is not negative; ties keep the first row, or with the smallest
// index rule the row whose basic variable stands in the leftmost column.
template <class T>
RatioTestResult RatioTestOf(const T& t, const std::vector<CostTerm>& basis, int entering,
                            std::vector<std::optional<typename TableauOps<T>::Number>>& ratios,
                            PivotRule rule) {
    using Ops = TableauOps<T>;
    using N = typename Ops::Number;
    const auto j = static_cast<std::size_t>(entering);
    ratios.assign(Ops::Rows(t), std::nullopt);
    int leaving = -1;
    for (std::size_t i = 0; i < Ops::Rows(t); ++i) {
        const N& a = Ops::Cell(t, i, j);
        if (Ops::Marked(t, i, j) || !Signs<N>::Positive(a)) {
            continue;
        }
        ratios[i] = N(Ops::Rhs(t, i) / a);
        const N& ratio = *ratios[i];
        // A tiny pivot under a large right-hand side: the row does limit the column, but
        // its ratio would read as "no ratio" on the page.
        if (Signs<N>::TooLarge(ratio)) {
            return {RatioTestResult::Kind::TooLarge, -1};
        }
        if (!Signs<N>::Negative(ratio) &&
            (leaving == -1 || ratio < *ratios[static_cast<std::size_t>(leaving)])) {
            leaving = static_cast<int>(i);
        }
    }
    if (leaving == -1) {
        return {};
    }
    if (rule == PivotRule::SmallestIndex) {
        const std::vector<std::string>& names = Ops::ColumnNames(t);
        const auto columnOf = [&names](const CostTerm& term) {
            return std::find(names.begin(), names.end(), term.name) - names.begin();
        };
        const N best = *ratios[static_cast<std::size_t>(leaving)];
        for (std::size_t i = 0; i < ratios.size() && i < basis.size(); ++i) {
            if (ratios[i] && Signs<N>::SameRatio(*ratios[i], best) &&
                columnOf(basis[i]) < columnOf(basis[static_cast<std::size_t>(leaving)])) {
                leaving = static_cast<int>(i);
            }
        }
    }
    return {RatioTestResult::Kind::Row, leaving};
}

// The dual simplex method's leaving row: the most negative Bi, first on ties; -1 when no Bi
// is negative and the tableau is feasible.
template <class T>
int DualLeavingRowOf(const T& t) {
    using Ops = TableauOps<T>;
    using N = typename Ops::Number;
    int leaving = -1;
    for (std::size_t i = 0; i < Ops::Rows(t); ++i) {
        if (Signs<N>::Negative(Ops::Rhs(t, i)) &&
            (leaving == -1 || Ops::Rhs(t, i) < Ops::Rhs(t, static_cast<std::size_t>(leaving)))) {
            leaving = static_cast<int>(i);
        }
    }
    return leaving;
}

// The dual simplex method's entering column: over the leaving row's negative entries, the
// smallest |Cj-Zj / a_rj| (in big-M order, so no Cj-Zj turns positive), first on ties.
// Artificial columns never enter. -1 when the row has no negative entry: its Bi cannot be
// raised to 0 by any pivot, so no solution exists.
template <class T, class V>
int DualEnteringColumnOf(const T& t, int leaving, const std::vector<V>& cjzj) {
    using Ops = TableauOps<T>;
    using N = typename Ops::Number;
    using P = MParts<V>;
    const auto r = static_cast<std::size_t>(leaving);
    const std::vector<CostTerm>& objective = Ops::Objective(t);
    int chosen = -1;
    N bestM{};
    N bestC{};
    for (std::size_t k = 0; k < cjzj.size() && k < Ops::RowLength(t, r); ++k) {
        const N& a = Ops::Cell(t, r, k);
        if (objective[k].id == kArtificialId || Ops::Marked(t, r, k) || !Signs<N>::Negative(a)) {
            continue;
        }
        const N m = P::HasM(cjzj[k]) ? N(P::M(cjzj[k]) / a) : N{};
        const N c = P::C(cjzj[k]) / a;
        if (chosen == -1 || m < bestM || (!(bestM < m) && c < bestC)) {
            chosen = static_cast<int>(k);
            bestM = m;
            bestC = c;
        }
    }
    return chosen;
}

// What PivotOn does with a row left with a negative right-hand side.
enum class NegativeRows {
    Flip,  // the big-M method's rows stay >= 0: such a row is multiplied by -1
    Keep,  // the dual simplex method works through negative Bi
};

// Pivots on (leaving, entering): the entering variable becomes basic in the leaving row.
// A row left with a negative right-hand side is multiplied by -1 unless rows says Keep.
template <class T>
void PivotOn(T& t, std::vector<CostTerm>& basis, int leaving, int entering,
             NegativeRows rows = NegativeRows::Flip) {
    using Ops = TableauOps<T>;
    using N = typename Ops::Number;
    const auto l = static_cast<std::size_t>(leaving);
    const auto j = static_cast<std::size_t>(entering);
    const auto flipIfNegative = [&t, rows](std::size_t i) {
        if (rows == NegativeRows::Keep || !Signs<N>::Negative(Ops::Rhs(t, i))) {
            return;
        }
        Ops::Rhs(t, i) *= -1;
        for (std::size_t w = 0; w < Ops::RowLength(t, i); ++w) {
            Ops::Cell(t, i, w) *= -1;
        }
    };
    const N p = Ops::Cell(t, l, j);
    Ops::Rhs(t, l) = Ops::Rhs(t, l) / p;
    for (std::size_t w = 0; w < Ops::RowLength(t, l); ++w) {
        Ops::Cell(t, l, w) = Ops::Cell(t, l, w) / p;
    }
    flipIfNegative(l);
    basis[l] = Ops::Objective(t)[j];

    for (std::size_t i = 0; i < Ops::Rows(t); ++i) {
        if (i == l) {
            continue;
        }
        const N f = Ops::Cell(t, i, j);
        Ops::Rhs(t, i) = Ops::Rhs(t, i) - f * Ops::Rhs(t, l);
        for (std::size_t w = 0; w < Ops::RowLength(t, i); ++w) {
            Ops::Cell(t, i, w) = Ops::Cell(t, i, w) - f * Ops::Cell(t, l, w);
            Ops::SetMarked(t, i, w, Ops::Marked(t, i, w) && Ops::Marked(t, l, w));
        }
        Ops::SetMarked(t, i, j, true);
        flipIfNegative(i);
    }
}

// A basis is a set of columns, whatever rows they stand in; the names tell columns apart.
inline std::vector<std::string> BasisKeyOf(const std::vector<CostTerm>& basis) {
    std::vector<std::string> key;
    for (const CostTerm& term : basis) {
        key.push_back(term.name);
    }
    std::sort(key.begin(), key.end());
    return key;
}

// The rules choose by the tableau alone, so a basis that comes back brings the same
// pivots again: the run would cycle for ever.
inline bool AnyBasisRepeats(std::vector<std::vector<std::string>> keys) {
    std::sort(keys.begin(), keys.end());
    return std::adjacent_find(keys.begin(), keys.end()) != keys.end();
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/exact_proof.h"

#include <algorithm>
#include <optional>
#include <string>

#include "model/variable_names.h"
#include "simplex/pivot_rules.h"
#include "teach/exact_arithmetic.h"

namespace vantrell {
namespace {

using Column = std::vector<Rational>;

// A value a + bM in big-M order.
struct BigM {
    Rational c;
    Rational m;
};

bool Positive(const BigM& v) {
    return sgn(v.m) > 0 || (sgn(v.m) == 0 && sgn(v.c) > 0);
}

// The standard form the run started from, exactly.
struct Start {
    ExactTableau t;
    std::vector<BigM> cost;  // per column
    std::size_t rows = 0;
    std::size_t columns = 0;

    bool Artificial(std::size_t k) const { return t.objective[k].id == kArtificialId; }
    std::size_t ColumnOf(const std::string& name) const {
        return static_cast<std::size_t>(
            std::find(t.columnNames.begin(), t.columnNames.end(), name) - t.columnNames.begin());
    }
};

Start StartOf(const ProblemSet& work, const std::vector<CostTerm>& basis) {
    Start s{ExactTableauOf(work, basis), {}, 0, 0};
    s.rows = s.t.a.size();
    s.columns = s.t.objective.size();
    for (const CostTerm& term : s.t.objective) {
        const ExactMValue cost = ExactCost(term);
        s.cost.push_back({cost.c, cost.hasM ? cost.m : Rational(0)});
    }
    return s;
}

// A point of the standard form from a page: each basic variable at its Bi, the rest at 0.
std::optional<Column> PointOf(const Start& s, const ExactPage& page) {
    Column x(s.columns);
    for (std::size_t r = 0; r < page.basisNames.size(); ++r) {
        const std::size_t k = s.ColumnOf(page.basisNames[r]);
        if (k >= s.columns) {
            return std::nullopt;
        }
        x[k] = page.bi[r];
    }
    return x;
}

// Row i of the start times v.
Rational RowTimes(const Start& s, std::size_t i, const Column& v) {
    Rational sum;
    for (std::size_t k = 0; k < s.columns && k < s.t.a[i].size(); ++k) {
        sum += s.t.a[i][k] * v[k];
    }
    return sum;
}

BigM CostTimes(const Start& s, const Column& v) {
    BigM sum;
    for (std::size_t k = 0; k < s.columns; ++k) {
        sum.c += s.cost[k].c * v[k];
        sum.m += s.cost[k].m * v[k];
    }
    return sum;
}

// Where x breaks Ax = b, x >= 0 or an artificial variable at zero; empty when nowhere.
std::string PointFault(const Start& s, const Column& x, bool artificialsAtZero) {
    for (std::size_t k = 0; k < s.columns; ++k) {
        if (sgn(x[k]) < 0) {
            return s.t.columnNames[k] + " is negative";
        }
        if (artificialsAtZero && s.Artificial(k) && sgn(x[k]) != 0) {
            return "the artificial variable " + s.t.columnNames[k] + " is not zero";
        }
    }
    for (std::size_t i = 0; i < s.rows; ++i) {
        if (RowTimes(s, i, x) != s.t.b[i]) {
            return "the values break row " + std::to_string(i + 1);
        }
    }
    return {};
}

// The dual values y with y B = c_B for the page's basis, both parts; nothing when the
// basis columns are not independent.
std::optional<std::vector<BigM>> DualValues(const Start& s, const ExactPage& page) {
    const std::size_t m = s.rows;
    if (page.basisNames.size() != m) {
        return std::nullopt;
    }
    // Solve B^T y = c_B by elimination on [B^T | c_B.c | c_B.m].
    std::vector<std::vector<Rational>> a(m, std::vector<Rational>(m + 2));
    for (std::size_t r = 0; r < m; ++r) {
        const std::size_t k = s.ColumnOf(page.basisNames[r]);
        if (k >= s.columns) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < m; ++i) {
            a[r][i] = s.t.a[i][k];
        }
        a[r][m] = s.cost[k].c;
        a[r][m + 1] = s.cost[k].m;
    }
    for (std::size_t col = 0; col < m; ++col) {
        std::size_t pivot = col;
        while (pivot < m && sgn(a[pivot][col]) == 0) {
            ++pivot;
        }
        if (pivot == m) {
            return std::nullopt;
        }
        std::swap(a[pivot], a[col]);
        for (std::size_t r = 0; r < m; ++r) {
            if (r == col || sgn(a[r][col]) == 0) {
                continue;
            }
            const Rational f = a[r][col] / a[col][col];
            for (std::size_t w = col; w < m + 2; ++w) {
                a[r][w] -= f * a[col][w];
            }
        }
    }
    std::vector<BigM> y(m);
    for (std::size_t i = 0; i < m; ++i) {
        y[i] = {a[i][m] / a[i][i], a[i][m + 1] / a[i][i]};
    }
    return y;
}

// Cj - y A_j for column k, worked out from the start, not from the page.
BigM ReducedCost(const Start& s, const std::vector<BigM>& y, std::size_t k) {
    BigM d = s.cost[k];
    for (std::size_t i = 0; i < s.rows; ++i) {
        d.c -= y[i].c * s.t.a[i][k];
        d.m -= y[i].m * s.t.a[i][k];
    }
    return d;
}

std::string OptimalFault(const Start& s, const ExactPage& last) {
    const auto x = PointOf(s, last);
    if (!x) {
        return "the last page's basis is not made of the problem's columns";
    }
    if (std::string fault = PointFault(s, *x, true); !fault.empty()) {
        return fault;
    }
    const auto y = DualValues(s, last);
    if (!y) {
        return "the last page's basic columns are not independent";
    }
    for (std::size_t k = 0; k < s.columns; ++k) {
        if (!s.Artificial(k) && Positive(ReducedCost(s, *y, k))) {
            return s.t.columnNames[k] + " could still raise the objective";
        }
    }
    BigM dualObjective;
    for (std::size_t i = 0; i < s.rows; ++i) {
        dualObjective.c += y->at(i).c * s.t.b[i];
        dualObjective.m += y->at(i).m * s.t.b[i];
    }
    const BigM primalObjective = CostTimes(s, *x);
    if (primalObjective.c != dualObjective.c || primalObjective.m != dualObjective.m) {
        return "the dual values give another objective than the solution";
    }
    if (primalObjective.c != last.z) {
        return "the last page's Z is not the objective of its values";
    }
    return {};
}

std::string UnboundedFault(const Start& s, const ExactPage& stopped) {
    const auto x = PointOf(s, stopped);
    if (!x || stopped.entering < 0) {
        return "the stopped page's basis is not made of the problem's columns";
    }
    for (std::size_t k = 0; k < s.columns; ++k) {
        if (s.Artificial(k) && sgn((*x)[k]) > 0) {
            // Big M's one undecided end: the problem may have no solution at all.
            return std::string(kUndecidedStop) + s.t.columnNames[k] +
                   " above zero, so it shows no point that keeps every constraint";
        }
    }
    if (std::string fault = PointFault(s, *x, true); !fault.empty()) {
        return "at the point where the run stopped " + fault;
    }
    const auto j = static_cast<std::size_t>(stopped.entering);
    Column d(s.columns);
    d[s.ColumnOf(stopped.columnNames[j])] = 1;
    for (std::size_t r = 0; r < stopped.basisNames.size(); ++r) {
        d[s.ColumnOf(stopped.basisNames[r])] = -stopped.cells[r][j];
    }
    for (std::size_t k = 0; k < s.columns; ++k) {
        if (sgn(d[k]) < 0) {
            return "along the direction " + s.t.columnNames[k] + " falls";
        }
        if (s.Artificial(k) && sgn(d[k]) != 0) {
            return "along the direction the artificial variable " + s.t.columnNames[k] + " grows";
        }
    }
    for (std::size_t i = 0; i < s.rows; ++i) {
        if (sgn(RowTimes(s, i, d)) != 0) {
            return "the direction breaks row " + std::to_string(i + 1);
        }
    }
    if (!Positive(CostTimes(s, d))) {
        return "the direction does not raise the objective";
    }
    return {};
}

std::string InfeasibleFault(const Start& s, const ExactPage& last) {
    const auto x = PointOf(s, last);
    if (!x) {
        return "the last page's basis is not made of the problem's columns";
    }
    if (std::string fault = PointFault(s, *x, false); !fault.empty()) {
        return fault;
    }
    bool artificialPositive = false;
    for (std::size_t k = 0; k < s.columns; ++k) {
        artificialPositive = artificialPositive || (s.Artificial(k) && sgn((*x)[k]) > 0);
    }
    if (!artificialPositive) {
        return "no artificial variable stays positive";
    }
    const auto y = DualValues(s, last);
    if (!y) {
        return "the last page's basic columns are not independent";
    }
    for (std::size_t k = 0; k < s.columns; ++k) {
        if (!s.Artificial(k) && sgn(ReducedCost(s, *y, k).m) > 0) {
            return s.t.columnNames[k] + " could still lower the artificial variables";
        }
    }
    return {};
}

}  // namespace

void CertifyExactRun(ExactRun& run, const ProblemSet& work, const std::vector<CostTerm>& basis) {
    run.certified = true;
    run.proofFault.clear();
    if (work.constraints.empty()) {
        return;
    }
    const Start s = StartOf(work, basis);
    switch (run.outcome) {
        case RunOutcome::Optimal:
            run.proofFault = run.pages.empty() ? "no page" : OptimalFault(s, run.pages.back());
            break;
        case RunOutcome::Infeasible:
            run.proofFault = run.pages.empty() ? "no page" : InfeasibleFault(s, run.pages.back());
            break;
        case RunOutcome::Unbounded:
            run.proofFault =
                run.unboundedEnd ? UnboundedFault(s, *run.unboundedEnd) : "no stopped page";
            break;
        default:
            break;
    }
    run.certified = run.proofFault.empty();
    run.undecided = run.proofFault.rfind(kUndecidedStop, 0) == 0;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/tableau_steps.h"

#include <algorithm>
#include <cmath>

#include "model/variable_names.h"

namespace vantrell {
namespace {

bool IsPositive(double value) {
    return value > kZeroTolerance;
}
bool IsZero(double value) {
    return std::fabs(value) <= kZeroTolerance;
}

// Positive in big-M order: an M part above zero, or none and a positive constant.
bool ImprovesWithM(const BigMValue& value) {
    return IsPositive(value.mPart) || (IsZero(value.mPart) && IsPositive(value.constPart));
}

void MultiplyRowByMinusOne(ConstraintRow& row) {
    row.rhs *= -1.0;
    for (double& coefficient : row.coefficients) {
        coefficient *= -1.0;
    }
}

}  // namespace

void ComputeReducedCosts(const ProblemSet& work, const std::vector<CostTerm>& basis,
                         std::vector<BigMValue>& zj, std::vector<BigMValue>& cjzj) {
    const std::size_t columns = work.objective.size();
    zj.resize(columns);
    cjzj.resize(columns);
    for (std::size_t k = 0; k < columns; ++k) {
        zj[k] = BigMValue{};
        cjzj[k].hasM = false;
        for (std::size_t r = 0; r < work.constraints.size(); ++r) {
            const double a = work.constraints[r].coefficients[k];
            zj[k].constPart += a * basis[r].cost;
            if (basis[r].hasM) {
                zj[k].hasM = true;
                zj[k].mPart += a * basis[r].mCost;
            }
        }
        const CostTerm& cj = work.objective[k];
        cjzj[k].constPart = cj.cost - zj[k].constPart;
        if (cj.hasM || zj[k].hasM) {
            cjzj[k].hasM = true;
            cjzj[k].mPart = cj.mCost - zj[k].mPart;
        }
    }
}

double ObjectiveValue(const ProblemSet& work, const std::vector<CostTerm>& basis) {
    double z = 0.0;
    for (const CostTerm& column : work.objective) {
        for (std::size_t r = 0; r < basis.size(); ++r) {
            if (basis[r].id == column.id) {
                z += column.cost * work.constraints[r].rhs;
                break;
            }
        }
    }
    return z;
}

int ChooseEnteringColumn(const std::vector<CostTerm>& objective, const std::vector<BigMValue>& cjzj,
                         PivotRule rule) {
    if (rule == PivotRule::SmallestIndex) {
        for (std::size_t k = 0; k < cjzj.size(); ++k) {
            const BigMValue& value = cjzj[k];
            const bool improves = value.hasM ? ImprovesWithM(value) : IsPositive(value.constPart);
            if (objective[k].id != kArtificialId && improves) {
                return static_cast<int>(k);
            }
        }
        return -1;
    }
    // M pass: the largest M part wins, ties go to the larger constant part.
    double best = -1.0;
    int chosen = -1;
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        const BigMValue& value = cjzj[k];
        if (objective[k].id == kArtificialId || !value.hasM || !ImprovesWithM(value)) {
            continue;
        }
        const bool larger = value.mPart > best;
        const bool tieWithBetterConstant =
            value.mPart == best && chosen != -1 && value.constPart > cjzj[chosen].constPart;
        if (larger || tieWithBetterConstant) {
            chosen = static_cast<int>(k);
            best = value.mPart;
        }
    }
    if (chosen != -1) {
        return chosen;
    }
    // Constant pass over the columns without M: the largest positive Cj-Zj, first on ties.
    double bestConstant = kZeroTolerance;
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        const BigMValue& value = cjzj[k];
        if (objective[k].id == kArtificialId || value.hasM) {
            continue;
        }
        if (value.constPart > bestConstant) {
            chosen = static_cast<int>(k);
            bestConstant = value.constPart;
        }
    }
    return chosen;
}

bool HasNoFeasibleSolution(const ProblemSet& work, const std::vector<CostTerm>& basis,
                           const std::vector<BigMValue>& cjzj) {
    bool artificialPositive = false;
    for (std::size_t r = 0; r < basis.size(); ++r) {
        if (basis[r].id == kArtificialId && IsPositive(work.constraints[r].rhs)) {
            artificialPositive = true;
        }
    }
    if (!artificialPositive) {
        return false;
    }
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        if (work.objective[k].id != kArtificialId && cjzj[k].hasM && IsPositive(cjzj[k].mPart)) {
            return false;
        }
    }
    return true;
}

bool TableauIsFinite(const ProblemSet& work, const std::vector<CostTerm>& basis,
                     const std::vector<BigMValue>& zj, const std::vector<BigMValue>& cjzj) {
    const auto finiteCost = [](const CostTerm& term) {
        return std::isfinite(term.cost) && std::isfinite(term.mCost);
    };
    // An M part without hasM is never shown, so only a shown one counts.
    const auto finiteValue = [](const BigMValue& value) {
        return std::isfinite(value.constPart) && (!value.hasM || std::isfinite(value.mPart));
    };
    for (const CostTerm& term : work.objective) {
        if (!finiteCost(term)) {
            return false;
        }
    }
    for (const CostTerm& term : basis) {
        if (!finiteCost(term)) {
            return false;
        }
    }
    for (const ConstraintRow& row : work.constraints) {
        if (!std::isfinite(row.rhs)) {
            return false;
        }
        for (const double coefficient : row.coefficients) {
            if (!std::isfinite(coefficient)) {
                return false;
            }
        }
    }
    for (std::size_t k = 0; k < zj.size() && k < cjzj.size(); ++k) {
        if (!finiteValue(zj[k]) || !finiteValue(cjzj[k])) {
            return false;
        }
    }
    return true;
}

int ChooseLeavingRow(const ProblemSet& work, int entering, std::vector<double>& ratios) {
    const auto column = static_cast<std::size_t>(entering);
    ratios.assign(work.constraints.size(), kNoRatio);
    double best = kNoRatio;
    int leaving = -1;
    for (std::size_t i = 0; i < work.constraints.size(); ++i) {
        const ConstraintRow& row = work.constraints[i];
        const double a = row.coefficients[column];
        if (row.zeroMarks[column] || !IsPositive(a)) {
            continue;
        }
        ratios[i] = row.rhs / a;
        // A tiny pivot under a large right-hand side: the row does limit the column, but
        // its ratio would read as "no ratio" and lose against the start value.
        if (!(ratios[i] < kNoRatio)) {
            return kRatioTooLarge;
        }
        if (ratios[i] > -kZeroTolerance && ratios[i] < best) {
            best = ratios[i];
            leaving = static_cast<int>(i);
        }
    }
    return leaving;
}

int ChooseLeavingRow(const ProblemSet& work, const std::vector<CostTerm>& basis, int entering,
                     std::vector<double>& ratios, PivotRule rule) {
    const int first = ChooseLeavingRow(work, entering, ratios);
    if (rule != PivotRule::SmallestIndex || first < 0) {
        return first;
    }
    const auto columnOf = [&work](const CostTerm& term) {
        const std::vector<std::string>& names = work.constraints.front().columnNames;
        return std::find(names.begin(), names.end(), term.name) - names.begin();
    };
    const double best = ratios[static_cast<std::size_t>(first)];
    int leaving = first;
    for (std::size_t i = 0; i < ratios.size() && i < basis.size(); ++i) {
        const bool tie = ratios[i] < kNoRatio && std::fabs(ratios[i] - best) <= kZeroTolerance;
        if (tie && columnOf(basis[i]) < columnOf(basis[static_cast<std::size_t>(leaving)])) {
            leaving = static_cast<int>(i);
        }
    }
    return leaving;
}

void Pivot(ProblemSet& work, std::vector<CostTerm>& basis, int leaving, int entering) {
    const auto l = static_cast<std::size_t>(leaving);
    const auto j = static_cast<std::size_t>(entering);
    ConstraintRow& pivotRow = work.constraints[l];
    const double p = pivotRow.coefficients[j];
    pivotRow.rhs = pivotRow.rhs / p;
    for (double& coefficient : pivotRow.coefficients) {
        coefficient = coefficient / p;
    }
    if (pivotRow.rhs < -kZeroTolerance) {
        MultiplyRowByMinusOne(pivotRow);
    }
    basis[l] = work.objective[j];

    for (std::size_t i = 0; i < work.constraints.size(); ++i) {
        if (i == l) {
            continue;
        }
        ConstraintRow& row = work.constraints[i];
        const double f = row.coefficients[j];
        row.rhs = row.rhs - f * pivotRow.rhs;
        for (std::size_t w = 0; w < row.coefficients.size(); ++w) {
            row.coefficients[w] = row.coefficients[w] - f * pivotRow.coefficients[w];
            row.zeroMarks[w] = row.zeroMarks[w] && pivotRow.zeroMarks[w];
        }
        row.zeroMarks[j] = true;
        if (row.rhs < -kZeroTolerance) {
            MultiplyRowByMinusOne(row);
        }
    }
}

}  // namespace vantrell

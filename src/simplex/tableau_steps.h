// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/problem.h"

namespace vantrell {

// The textbook steps of one big-M tableau. Round-off never decides a pivot: values
// within kZeroTolerance of zero count as zero in every sign test.
inline constexpr double kZeroTolerance = 1e-9;
// The stored ratio of a row that the ratio test excludes, shown as "-".
inline constexpr double kNoRatio = 9e29;

// Zj and Cj-Zj per column, part by part. A Cj-Zj cell without M keeps its old M part.
void ComputeReducedCosts(const ProblemSet& work, const std::vector<CostTerm>& basis,
                         std::vector<BigMValue>& zj, std::vector<BigMValue>& cjzj);

// Objective value from constant parts only: cost of each column times the Bi of the first
// row whose basic variable has that column's id.
double ObjectiveValue(const ProblemSet& work, const std::vector<CostTerm>& basis);

// The column to enter, or -1 when none improves. Artificial columns never enter.
int ChooseEnteringColumn(const std::vector<CostTerm>& objective,
                         const std::vector<BigMValue>& cjzj);

// An artificial variable is basic at a positive value and no column can lower its
// penalty any more: the constraints cannot all hold.
bool HasNoFeasibleSolution(const ProblemSet& work, const std::vector<CostTerm>& basis,
                           const std::vector<BigMValue>& cjzj);

// Every number a page would show is finite: costs, coefficients, right-hand sides and the
// Zj and Cj-Zj parts. A problem of finite numbers can still overflow in a sum or a pivot.
bool TableauIsFinite(const ProblemSet& work, const std::vector<CostTerm>& basis,
                     const std::vector<BigMValue>& zj, const std::vector<BigMValue>& cjzj);

// ChooseLeavingRow's answer when a row limits the entering column at a ratio of kNoRatio
// or more (or one that overflowed): the page could not tell it from an excluded row.
inline constexpr int kRatioTooLarge = -2;

// Fills ratios (kNoRatio for excluded rows) and returns the leaving row, -1 when no row
// limits the entering column, or kRatioTooLarge. Ties keep the first row.
int ChooseLeavingRow(const ProblemSet& work, int entering, std::vector<double>& ratios);

// Pivots on (leaving, entering): the entering variable becomes basic in the leaving row.
void Pivot(ProblemSet& work, std::vector<CostTerm>& basis, int leaving, int entering);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/pivot_rule.h"
#include "model/problem.h"
#include "simplex/decimal_arithmetic.h"

namespace vantrell {

// The decimal run's steps of one big-M tableau: the rules of pivot_rules.h in doubles, with
// the state's working fields as they are stored.

// Zj and Cj-Zj per column, part by part. A Cj-Zj cell without M keeps its old M part.
void ComputeReducedCosts(const ProblemSet& work, const std::vector<CostTerm>& basis,
                         std::vector<BigMValue>& zj, std::vector<BigMValue>& cjzj);

// Objective value from constant parts only: cost of each column times the Bi of the first
// row whose basic variable has that column's id.
double ObjectiveValue(const ProblemSet& work, const std::vector<CostTerm>& basis);

// The column to enter, or -1 when none improves. Artificial columns never enter.
// Largest Cj-Zj: the largest M part among columns with one, ties to the larger number
// part; then, without M, the largest positive number part, first on ties.
// Smallest index: the first column whose Cj-Zj is positive read in big-M order, the M
// part first (above zero), then with a zero M part the number part (above zero). Every
// improving column competes in one pass, so this is Bland's rule for the big-M problem
// and no basis can come back.
int ChooseEnteringColumn(const std::vector<CostTerm>& objective, const std::vector<BigMValue>& cjzj,
                         PivotRule rule = PivotRule::LargestCjZj);

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
// The same ratio test under a rule: with the smallest index, a tie goes to the row whose
// basic variable stands in the leftmost column.
int ChooseLeavingRow(const ProblemSet& work, const std::vector<CostTerm>& basis, int entering,
                     std::vector<double>& ratios, PivotRule rule);

// Pivots on (leaving, entering): the entering variable becomes basic in the leaving row.
void Pivot(ProblemSet& work, std::vector<CostTerm>& basis, int leaving, int entering);

}  // namespace vantrell

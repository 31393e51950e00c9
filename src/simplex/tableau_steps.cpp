// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/tableau_steps.h"

#include <cmath>

namespace vantrell {

void ComputeReducedCosts(const ProblemSet& work, const std::vector<CostTerm>& basis,
                         std::vector<BigMValue>& zj, std::vector<BigMValue>& cjzj) {
    ReducedCostsOf(work, basis, zj, cjzj);
}

double ObjectiveValue(const ProblemSet& work, const std::vector<CostTerm>& basis) {
    return ObjectiveValueOf(work, basis);
}

int ChooseEnteringColumn(const std::vector<CostTerm>& objective, const std::vector<BigMValue>& cjzj,
                         PivotRule rule) {
    return EnteringColumnOf(objective, cjzj, rule);
}

bool HasNoFeasibleSolution(const ProblemSet& work, const std::vector<CostTerm>& basis,
                           const std::vector<BigMValue>& cjzj) {
    return NoFeasibleSolution(work, basis, cjzj);
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

int ChooseLeavingRow(const ProblemSet& work, const std::vector<CostTerm>& basis, int entering,
                     std::vector<double>& ratios, PivotRule rule) {
    std::vector<std::optional<double>> found;
    const RatioTestResult result = RatioTestOf(work, basis, entering, found, rule);
    // The page stores the mark where a row has no ratio.
    ratios.assign(work.constraints.size(), kNoRatio);
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (found[i]) {
            ratios[i] = *found[i];
        }
    }
    switch (result.kind) {
        case RatioTestResult::Kind::Row:
            return result.row;
        case RatioTestResult::Kind::TooLarge:
            return kRatioTooLarge;
        case RatioTestResult::Kind::NoRow:
            break;
    }
    return -1;
}

int ChooseLeavingRow(const ProblemSet& work, int entering, std::vector<double>& ratios) {
    return ChooseLeavingRow(work, {}, entering, ratios, PivotRule::LargestCjZj);
}

void Pivot(ProblemSet& work, std::vector<CostTerm>& basis, int leaving, int entering) {
    PivotOn(work, basis, leaving, entering);
}

}  // namespace vantrell

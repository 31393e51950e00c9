// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/equation_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/number_text.h"

namespace vantrell {
namespace {

constexpr std::size_t kPixelsPerCharacter = 12;

// A minus zero compares equal to zero and so gets " + ".
const char* Joiner(double coefficient) {
    return coefficient < 0.0 ? " - " : " + ";
}

std::string SignedTerm(double coefficient, const std::string& name, const NumberTextFn& number) {
    return number(coefficient) + " " + name;
}

std::string JoinedTerm(double coefficient, const std::string& name, const NumberTextFn& number) {
    return Joiner(coefficient) + SignedTerm(std::fabs(coefficient), name, number);
}

NumberTextFn Decimals(int decimals) {
    return [decimals](double value) { return FixedText(value, decimals); };
}

// An unknown relation code adds neither a relation nor the right-hand side.
std::string RelationAndRhs(const ConstraintRow& row, const NumberTextFn& number) {
    switch (row.relation) {
        case kLessEqual:
        case kEqual:
        case kGreaterEqual:
            return std::string(" ") + RelationSymbol(row.relation) + " " + number(row.rhs);
        default:
            return {};
    }
}

std::string ConstraintText(const ConstraintRow& row, const NumberTextFn& decimals) {
    std::string text;
    // The vectors of a row share one length; reading only the common part keeps a
    // malformed row from reading past the shorter one.
    const std::size_t terms = std::min(row.coefficients.size(), row.columnNames.size());
    for (std::size_t k = 0; k < terms; ++k) {
        text += JoinedTerm(row.coefficients[k], row.columnNames[k], decimals);
    }
    return text + RelationAndRhs(row, decimals);
}

}  // namespace

std::string PrimalObjectiveText(const ProblemSet& primal, int decimals) {
    return PrimalObjectiveText(primal, Decimals(decimals));
}

std::vector<std::string> PrimalConstraintLines(const ProblemSet& primal, int decimals) {
    return PrimalConstraintLines(primal, Decimals(decimals));
}

std::string DualObjectiveText(const ProblemSet& dual, int decimals, bool displayDuality) {
    return DualObjectiveText(dual, Decimals(decimals), displayDuality);
}

std::vector<std::string> DualConstraintLines(const ProblemSet& dual, int decimals,
                                             bool displayDuality) {
    return DualConstraintLines(dual, Decimals(decimals), displayDuality);
}

std::string PrimalObjectiveText(const ProblemSet& primal, const NumberTextFn& decimals) {
    std::string text;
    for (std::size_t k = 0; k < primal.objective.size(); ++k) {
        const CostTerm& term = primal.objective[k];
        text += k == 0 ? SignedTerm(term.cost, term.name, decimals)
                       : JoinedTerm(term.cost, term.name, decimals);
    }
    return text;
}

std::vector<std::string> PrimalConstraintLines(const ProblemSet& primal,
                                               const NumberTextFn& decimals) {
    std::vector<std::string> lines;
    lines.reserve(primal.constraints.size());
    for (std::size_t i = 0; i < primal.constraints.size(); ++i) {
        const std::string name =
            i < primal.constraintNames.size() ? primal.constraintNames[i] : std::string();
        lines.push_back(ConstraintText(primal.constraints[i], decimals) + "; " + name);
    }
    return lines;
}

std::string DualObjectiveText(const ProblemSet& dual, const NumberTextFn& decimals,
                              bool displayDuality) {
    std::string text;
    if (!displayDuality) {
        return text;
    }
    for (const CostTerm& term : dual.objective) {
        text += JoinedTerm(term.cost, term.name, decimals);
    }
    return text;
}

std::vector<std::string> DualConstraintLines(const ProblemSet& dual, const NumberTextFn& decimals,
                                             bool displayDuality) {
    std::vector<std::string> lines;
    if (!displayDuality) {
        return lines;
    }
    lines.reserve(dual.constraints.size());
    for (const ConstraintRow& row : dual.constraints) {
        lines.push_back(ConstraintText(row, decimals));
    }
    return lines;
}

int HorizontalExtent(const std::vector<std::string>& lines) {
    std::size_t longest = 0;
    for (const std::string& line : lines) {
        longest = std::max(longest, line.size());
    }
    const std::size_t limit = static_cast<std::size_t>(std::numeric_limits<int>::max());
    return static_cast<int>(std::min(longest * kPixelsPerCharacter, limit));
}

}  // namespace vantrell

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

std::string SignedTerm(double coefficient, const std::string& name, int decimals) {
    return CFormatDynamic(FillDecimals("%%.%dlf %%s", decimals), coefficient, name.c_str());
}

std::string JoinedTerm(double coefficient, const std::string& name, int decimals) {
    return Joiner(coefficient) + SignedTerm(std::fabs(coefficient), name, decimals);
}

// An unknown relation code adds neither a relation nor the right-hand side.
std::string RelationAndRhs(const ConstraintRow& row, int decimals) {
    const char* templ = nullptr;
    switch (row.relation) {
        case kLessEqual:
            templ = " <= %%.%dlf";
            break;
        case kEqual:
            templ = " = %%.%dlf";
            break;
        case kGreaterEqual:
            templ = " >= %%.%dlf";
            break;
        default:
            return {};
    }
    return CFormatDynamic(FillDecimals(templ, decimals), row.rhs);
}

std::string ConstraintText(const ConstraintRow& row, int decimals) {
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
    std::string text;
    for (std::size_t k = 0; k < primal.objective.size(); ++k) {
        const CostTerm& term = primal.objective[k];
        text += k == 0 ? SignedTerm(term.cost, term.name, decimals)
                       : JoinedTerm(term.cost, term.name, decimals);
    }
    return text;
}

std::vector<std::string> PrimalConstraintLines(const ProblemSet& primal, int decimals) {
    std::vector<std::string> lines;
    lines.reserve(primal.constraints.size());
    for (std::size_t i = 0; i < primal.constraints.size(); ++i) {
        const std::string name =
            i < primal.constraintNames.size() ? primal.constraintNames[i] : std::string();
        lines.push_back(ConstraintText(primal.constraints[i], decimals) + "; " + name);
    }
    return lines;
}

std::string DualObjectiveText(const ProblemSet& dual, int decimals, bool displayDuality) {
    std::string text;
    if (!displayDuality) {
        return text;
    }
    for (const CostTerm& term : dual.objective) {
        text += JoinedTerm(term.cost, term.name, decimals);
    }
    return text;
}

std::vector<std::string> DualConstraintLines(const ProblemSet& dual, int decimals,
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

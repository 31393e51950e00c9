// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/problem_file_writer.h"

#include <cmath>
#include <vector>

#include "model/number_text.h"

namespace vantrell {
namespace {

// The terms of a row: the first with its own sign, each later one after a joiner and with
// its absolute value. The variable number is the position, so the file stays dense
// whatever ids the row holds.
std::string TermsText(const std::vector<double>& coefficients, const std::string& termFormat,
                      const char* plus, const char* minus) {
    std::string text;
    for (std::size_t k = 0; k < coefficients.size(); ++k) {
        double value = coefficients[k];
        if (k > 0) {
            text += value < 0.0 ? minus : plus;
            value = std::fabs(value);
        }
        text += CFormatDynamic(termFormat, value, static_cast<int>(k + 1));
    }
    return text;
}

}  // namespace

std::string BuildProblemText(std::string_view problemName, int decimalPlaces, bool minimize,
                             const ProblemSet& problem) {
    const int decimals = ClampDecimalPlaces(decimalPlaces);
    std::string text;
    text += problemName;
    text += "# Problem Name\n";
    text += CFormat("%d #number of decimal places\n", decimals);
    text += CFormat("%d # minimize is 1\n", minimize ? 1 : 0);
    text += "\n";

    std::vector<double> costs;
    costs.reserve(problem.objective.size());
    for (const CostTerm& term : problem.objective) {
        costs.push_back(term.cost);
    }
    text += TermsText(costs, FillDecimals("%%.%dlfX%%d", decimals), " + ", " - ");
    text += " #object function\n";

    const std::string rowTermFormat = FillDecimals("%%.%dlfX%%d ", decimals);
    const std::string rhsFormat = FillDecimals(" %%.%dlf\n", decimals);
    for (std::size_t k = 0; k < problem.constraints.size(); ++k) {
        const ConstraintRow& row = problem.constraints[k];
        text += "\n";
        if (k < problem.constraintNames.size()) {
            text += problem.constraintNames[k];
        }
        text += CFormat("#constraint name %d\n", static_cast<int>(k + 1));
        text += TermsText(row.coefficients, rowTermFormat, "+ ", "- ");
        text += row.relationText;
        text += CFormatDynamic(rhsFormat, row.rhs);
    }
    return text;
}

std::string BuildProblemText(const VantrellState& state) {
    return BuildProblemText(state.mProblemName, state.mDecimalPlaces, state.mMinimize,
                            state.mPrimal);
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/objective_editing.h"

#include <cmath>

#include "model/equation_text.h"
#include "model/number_text.h"
#include "model/text_blanks.h"
#include "model/variable_names.h"

namespace vantrell {
namespace {

void SetObjectiveTerm(ProblemSet& primal, int item, double cost, std::string_view coefficientText) {
    const std::size_t index = static_cast<std::size_t>(item);
    while (primal.objective.size() <= index) {
        primal.objective.push_back(MarkedZeroTerm(static_cast<int>(primal.objective.size())));
    }
    // A term already there keeps its id and name; only the cost and its marker change.
    CostTerm& term = primal.objective[index];
    term.cost = cost;
    term.zero = IsZeroText(coefficientText);
}

}  // namespace

std::vector<std::string> VariableItems() {
    std::vector<std::string> items;
    for (int number = 1; number <= kVariableItemCount; ++number) {
        items.push_back(DecisionName(number));
    }
    return items;
}

int NextVariableItem(int item) {
    return item + 1 < kVariableItemCount ? item + 1 : -1;
}

std::optional<int> VariableItemIndex(std::string_view text) {
    const std::string packed = WithoutSpacesOrTabs(text);
    if (packed.size() != 2 || (packed[0] != 'X' && packed[0] != 'x')) {
        return std::nullopt;
    }
    const int number = packed[1] - '0';
    if (number < 1 || number > kVariableItemCount) {
        return std::nullopt;
    }
    return number - 1;
}

TypedNumber ReadTypedNumber(std::string_view text) {
    while (!text.empty() && IsSpaceOrTab(text.back())) {
        text.remove_suffix(1);
    }
    std::size_t start = 0;
    while (start < text.size() && IsSpaceOrTab(text[start])) {
        ++start;
    }
    if (start == text.size()) {
        return {0.0, nullptr};
    }
    const auto parsed = ParseDecimalPrefix(text);
    if (!parsed || parsed->length != text.size()) {
        return {std::nullopt, kNotANumberMessage};
    }
    if (!std::isfinite(parsed->value) || std::fabs(parsed->value) > kLargestTypedMagnitude) {
        return {std::nullopt, kNumberTooLargeMessage};
    }
    return {parsed->value, nullptr};
}

std::optional<double> TypedNumberValue(std::string_view text, Prompt& prompt) {
    const TypedNumber number = ReadTypedNumber(text);
    if (!number.value) {
        prompt.ShowMessage(number.message);
    }
    return number.value;
}

bool IsZeroText(std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (text.size() == 1) {
        return text[0] == '0';
    }
    return text[0] == '0' && text[1] != '.';
}

std::string ObjectiveCoefficientText(const ProblemSet& primal, int item, int decimals) {
    const bool present = item >= 0 && static_cast<std::size_t>(item) < primal.objective.size();
    return FixedText(present ? primal.objective[static_cast<std::size_t>(item)].cost : 0.0,
                     decimals);
}

double ObjectiveSlope(const CostTerm& first, const CostTerm& second) {
    if (second.zero) {
        return kMarkedZeroSlope;
    }
    return -(first.cost / second.cost);
}

std::string SlopeFractionText(double slope, const CostTerm& first, const CostTerm& second,
                              int decimals) {
    const char* templ = slope < 0.0 ? "- %%.%dlf/%%.%dlf" : "%%.%dlf/%%.%dlf";
    // The template holds the count twice; FillDecimals fills every %d.
    return CFormatDynamic(FillDecimals(templ, decimals), std::fabs(first.cost),
                          std::fabs(second.cost));
}

std::string SlopeValueText(double slope, int decimals) {
    if (std::isnan(slope)) {
        return "undefined";
    }
    if (std::isinf(slope)) {
        return slope < 0.0 ? "-infinite" : "infinite";
    }
    return FixedText(slope, decimals);
}

ObjectiveFields RefreshObjective(const ProblemSet& primal, int decimals) {
    ObjectiveFields fields;
    fields.objective = PrimalObjectiveText(primal, decimals);
    if (primal.objective.size() != 2) {
        fields.slopeFraction = kNoSlopeText;
        fields.slopeValue = kNoSlopeText;
        return fields;
    }
    const CostTerm& first = primal.objective[0];
    const CostTerm& second = primal.objective[1];
    const double slope = ObjectiveSlope(first, second);
    fields.slope = slope;
    fields.slopeFraction = SlopeFractionText(slope, first, second, decimals);
    fields.slopeValue = SlopeValueText(slope, decimals);
    return fields;
}

VariablePress AddObjectiveTerm(ProblemSet& primal, std::string_view variableText,
                               std::string_view coefficientText, Prompt& prompt) {
    VariablePress press;
    const std::optional<int> item = VariableItemIndex(variableText);
    if (!item) {
        prompt.ShowMessage(kChooseVariableMessage);
        return press;
    }
    const std::optional<double> cost = TypedNumberValue(coefficientText, prompt);
    if (!cost) {
        return press;
    }
    SetObjectiveTerm(primal, *item, *cost, coefficientText);
    CompleteRows(primal);
    press.done = true;
    press.item = *item;
    press.nextItem = NextVariableItem(*item);
    return press;
}

void CompleteRows(ProblemSet& primal) {
    const std::size_t terms = primal.WidestColumnCount();
    while (primal.objective.size() < terms) {
        primal.objective.push_back(MarkedZeroTerm(static_cast<int>(primal.objective.size())));
    }
    for (ConstraintRow& row : primal.constraints) {
        for (std::size_t j = row.ColumnCount(); j < terms; ++j) {
            row.AppendMarkedZeroColumn(static_cast<int>(j));
        }
    }
}

bool ClearObjective(ProblemSet& primal, Prompt& prompt) {
    if (!prompt.AskToDiscard(kClearQuestion)) {
        return false;
    }
    primal.objective.clear();
    return true;
}

}  // namespace vantrell

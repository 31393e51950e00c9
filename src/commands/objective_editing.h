// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/problem.h"
#include "model/prompt.h"

namespace vantrell {

// The variable boxes of both input dialogs offer X1 to X9, items 0 to 8; an item's index
// is the id of its column.
inline constexpr int kVariableItemCount = 9;
std::vector<std::string> VariableItems();
// The item after a press on item: the next one, or -1 (no selection) after X9.
int NextVariableItem(int item);

inline constexpr const char* kChooseVariableMessage = "Choose a variable from X1 to X9";
inline constexpr const char* kClearQuestion = "Do you really want to clear";

// The item a variable box's text names, ignoring case and blanks ("x3" and " X3 " name
// item 2). Any other text, the empty text of a box left without a selection included,
// names none: a term or column outside X1..X9 is never made.
std::optional<int> VariableItemIndex(std::string_view text);

// A number field holds one decimal number and nothing else ("3,5" and "abc" are no
// numbers); the empty field reads 0. A magnitude beyond kLargestTypedMagnitude, 1e999
// included, is refused too: such numbers only make the tableaus unreadable.
inline constexpr const char* kNumberTooLargeMessage =
    "Numbers this large are not allowed. Try again";
inline constexpr const char* kNotANumberMessage = "Please enter a number.";
inline constexpr double kLargestTypedMagnitude = 1e12;
struct TypedNumber {
    std::optional<double> value;    // nothing when refused
    const char* message = nullptr;  // why it was refused
};
TypedNumber ReadTypedNumber(std::string_view text);
// The value of a number field, or nothing after the refusal's message.
std::optional<double> TypedNumberValue(std::string_view text, Prompt& prompt);

// Whether a typed coefficient counts as zero: the empty text, "0", or a longer text that
// starts with 0 not followed by a point. So "0" and "00" and "05" do; "0.0", "-0", "5" do not.
bool IsZeroText(std::string_view text);

// What the coefficient field shows for a variable item: its cost, 0 beyond the objective.
std::string ObjectiveCoefficientText(const ProblemSet& primal, int item, int decimals);

// The slope of the objective line of two terms: 9.9e9 when the second cost is marked zero,
// else -(first / second), which may be infinite or undefined.
inline constexpr double kMarkedZeroSlope = 9.9e9;
double ObjectiveSlope(const CostTerm& first, const CostTerm& second);
// "- 3.000/2.000" for a falling line, "3.000/2.000" otherwise: the two costs' magnitudes.
std::string SlopeFractionText(double slope, const CostTerm& first, const CostTerm& second,
                              int decimals);
// The slope with the decimal count; "infinite", "-infinite" or "undefined" when it is
// not a finite number.
std::string SlopeValueText(double slope, int decimals);

// The lower row of the dialog: the objective as the main window shows it and the slope.
struct ObjectiveFields {
    std::string objective;
    std::string slopeFraction;
    std::string slopeValue;
    std::optional<double> slope;  // with exactly two terms; the caller keeps it in primal.slope
};
inline constexpr const char* kNoSlopeText = "N/A";
// With exactly two terms the fields show the slope; otherwise they read "N/A".
ObjectiveFields RefreshObjective(const ProblemSet& primal, int decimals);

// What a press that picks a variable did, and where the variable box goes next.
struct VariablePress {
    bool done = false;  // false: refused with a message, nothing changed
    int item = -1;      // the variable item the press was for
    int nextItem = -1;  // the item to select next; -1 for none (after X9)
};

// Add: the term of the named variable gets the typed cost and zero marker; a variable
// beyond the objective brings zero terms for the ones before it, and every constraint
// row shorter than the objective is widened with zero columns. A text that names no
// variable, or a coefficient that is not finite, gets a message and changes nothing.
VariablePress AddObjectiveTerm(ProblemSet& primal, std::string_view variableText,
                               std::string_view coefficientText, Prompt& prompt);

// Widens the objective and every row to the widest of them with marked zero terms X(j+1),
// so that every part of the program reads a complete matrix.
void CompleteRows(ProblemSet& primal);

// Clear: asks first; Yes removes every term (the rows keep their columns). Returns whether
// the terms were removed.
bool ClearObjective(ProblemSet& primal, Prompt& prompt);

}  // namespace vantrell

#include "commands/options_input.h"

#include <cstddef>

#include "model/number_text.h"

namespace vantrell {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

DecimalPlacesInput ReadDecimalPlaces(std::string_view text) {
    std::string_view digits = TrimBlanks(text);
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return {std::nullopt, kNotIntegerMessage};
    }
    // Stops growing once past the bound, so a long run of digits cannot overflow.
    long long magnitude = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return {std::nullopt, kNotIntegerMessage};
        }
        if (magnitude <= kMaxDecimalPlaces) {
            magnitude = magnitude * 10 + (c - '0');
        }
    }
    if (magnitude > kMaxDecimalPlaces) {
        return {std::nullopt, DecimalRangeMessage()};
    }
    return {static_cast<int>(magnitude), {}};
}

std::string DecimalRangeMessage() {
    return CFormat("The number of decimal places must be from %d to %d.", kMinDecimalPlaces,
                   kMaxDecimalPlaces);
}

std::string DecimalRangeHint() {
    return CFormat("(%d to %d)", kMinDecimalPlaces, kMaxDecimalPlaces);
}

std::string OptionsHelpText() {
    return "Number of decimal places: how many digits after the point every number in the "
           "main window, the tableaus and the reports is shown with, " +
           CFormat("from %d to %d", kMinDecimalPlaces, kMaxDecimalPlaces) +
           ". A minus sign is ignored: -2 gives 2 places. Ok applies it.\n\n"
           "Display Duality: shows the dual problem below the primal. Calculate Dual and the "
           "dual part of the report need it on. Clicking the box takes effect at once, even "
           "if you then press Cancel.\n\n"
           "Numbers: Decimals shows every number with the decimal places above; Fractions "
           "shows the exact values of the tableaus (3/2, -1/3, 4), worked out from the numbers "
           "as typed. A fraction too long to read is shown as a decimal after \"~\".\n\n"
           "Big M values: Pairs shows a value with an M part as (a, bM); Expressions writes it "
           "as a textbook does: -M, 2M - 3/2, M + 4. Ok applies both to the tableaus, the "
           "Complete Solution list, the equations, the report, the workbook and the LaTeX "
           "export.";
}

}  // namespace vantrell

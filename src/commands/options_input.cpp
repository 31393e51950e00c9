// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/options_input.h"

#include <cstddef>

#include "model/number_text.h"
#include "model/text_blanks.h"

namespace vantrell {
DecimalPlacesInput ReadDecimalPlaces(std::string_view text) {
    std::string_view digits = TrimWhiteSpace(text);
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
           "dual part of the report need it on. Ok keeps the choice; Cancel puts it back.\n\n"
           "Numbers: Decimals shows every number with the decimal places above; Fractions "
           "shows the exact values of the tableaus (3/2, -1/3, 4), worked out from the numbers "
           "as typed. A fraction too long to read is shown as a decimal after \"~\".\n\n"
           "Big M values: Pairs shows a value with an M part as (a, bM); Expressions writes it "
           "as a textbook does: -M, 2M - 3/2, M + 4. Ok applies both to the tableaus, the "
           "Complete Solution list, the equations, the report, the workbook and the LaTeX "
           "export.\n\n"
           "Explain each step: the report writes each tableau's note, the special cases and "
           "the sensitivity of each run; each tableau after the first names the row "
           "operations that made it.\n\n"
           "Pivot rule: Largest Cj-Zj lets the column with the largest Cj-Zj enter; Smallest "
           "index (Bland's rule) the leftmost column with a positive Cj-Zj, and a ratio tie "
           "goes to the basic variable of smallest index. Bland's rule never cycles.\n\n"
           "Method: Big M; Two-phase, whose Phase I drives the artificial variables to 0 "
           "before Phase II optimizes; or Dual simplex, for a first tableau with no positive "
           "Cj-Zj. It applies from the next run on (User's Guide, section 19).\n\n"
           "Practice: Choices asks for the entering column, the leaving row and the verdict; "
           "Row operations then asks for each pivot's row operations, Next tableau for the "
           "next tableau cell by cell.";
}

}  // namespace vantrell

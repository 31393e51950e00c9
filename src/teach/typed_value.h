// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "teach/exact_number.h"

namespace vantrell {

// A value as a student types it into a tableau cell, read exactly: "3/2", "1.5", "1 1/2",
// "6/4", "-2"; with M "2M - 3/2", "-M", "(3/2)M", "1.5 M" or the pair "(2, -1.5M)".
// Nothing when the text is not one value. hasM is set when an M appears.
std::optional<ExactMValue> ParseTypedValue(std::string_view text);

// Whether two values are equal, an M part that is not there counting as 0.
bool SameMValue(const ExactMValue& a, const ExactMValue& b);

// The cells of one typed row: separated by commas when the line has a comma outside
// parentheses, else by blanks; a sign standing alone between blanks joins its neighbours,
// so "2M - 3/2 0 1" is three cells.
std::vector<std::string> SplitTypedRow(std::string_view line);

}  // namespace vantrell

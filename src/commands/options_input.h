// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrell {

inline constexpr const char* kNotIntegerMessage = "Please enter an integer.";

// What the decimal field of the Options dialog gives when Ok is pressed: the count to use,
// or the message that explains why the text cannot be used.
struct DecimalPlacesInput {
    std::optional<int> places;
    std::string message;
};

// The field holds an integer with optional blanks around it and an optional sign; the
// sign is dropped (-2 gives 2). Counts above kMaxDecimalPlaces are refused rather than
// clamped, so the student sees why 12 does not give twelve digits.
DecimalPlacesInput ReadDecimalPlaces(std::string_view text);

// "The number of decimal places must be from 0 to 10."
std::string DecimalRangeMessage();

// The hint beside the field: "(0 to 10)".
std::string DecimalRangeHint();

// What the Options dialog's Help button explains.
std::string OptionsHelpText();

}  // namespace vantrell

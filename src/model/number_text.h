// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantrell {

// The decimal counts that number texts are made with. Any count outside is brought
// into this range before it reaches a format, so no count can make a malformed format.
inline constexpr int kMinDecimalPlaces = 0;
inline constexpr int kMaxDecimalPlaces = 10;
int ClampDecimalPlaces(long long decimals);

// C printf into a string under the "C" locale, whatever locale the process has set:
// a comma-decimal desktop still gets "3.000".
std::string CFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same, for a format made at run time (a filled template).
std::string CFormatUnchecked(const char* format, ...);
template <typename... Args>
std::string CFormatDynamic(const std::string& format, Args... args) {
    return CFormatUnchecked(format.c_str(), args...);
}

// Fills a template such as "%%.%dlf" with the (clamped) decimal count: "%.3lf".
std::string FillDecimals(const char* templ, int decimals);

// The two steps at once for the commonest template "%%.%dlf".
std::string FixedText(double value, int decimals);
// The shortest text that reads back as the same double, by the C rules: "0.1", "1e+20".
std::string ShortestText(double value);

// Reads a decimal number at the start of text, after optional blanks: an optional sign,
// digits with an optional point, an optional exponent. Decimal only: "0X2" reads 0 and
// stops at the X; "0x1p3" reads 0. No "inf" or "nan" words. Returns the value and how many
// characters were taken, or nothing when no number starts there.
struct ParsedNumber {
    double value = 0.0;
    std::size_t length = 0;
};
std::optional<ParsedNumber> ParseDecimalPrefix(std::string_view text);

// Typed-field rule: the number at the start of the text, 0 when there is none.
double DecimalTextValue(std::string_view text);

// Reads an integer ("%d" style: blanks, optional sign, digits) at the start of text.
// Nothing when there is none or it does not fit an int.
struct ParsedInteger {
    long long value = 0;
    std::size_t length = 0;
};
std::optional<ParsedInteger> ParseIntegerPrefix(std::string_view text);
// The whole of text as such an integer; nothing when anything else stands beside it.
std::optional<long long> WholeNumber(std::string_view text);

}  // namespace vantrell

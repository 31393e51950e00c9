// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/number_text.h"

#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "model/text_blanks.h"

namespace vantrell {
namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Switches this thread to the C locale for the lifetime of the guard.
class ScopedCLocale {
  public:
    ScopedCLocale() : previous_(uselocale(CLocale())) {}
    ~ScopedCLocale() { uselocale(previous_); }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

  private:
    locale_t previous_;
};

std::string VFormat(const char* format, va_list args) {
    ScopedCLocale cLocale;
    // Most texts are short: one pass into a local buffer, a second only for long ones.
    char buffer[128];
    va_list retry;
    va_copy(retry, args);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (length < 0) {
        va_end(retry);
        return {};
    }
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        va_end(retry);
        return std::string(buffer, static_cast<std::size_t>(length));
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, retry);
    va_end(retry);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpaceOrTab(text[i])) {
        ++i;
    }
    return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

}  // namespace

int ClampDecimalPlaces(long long decimals) {
    return static_cast<int>(std::clamp<long long>(decimals, kMinDecimalPlaces, kMaxDecimalPlaces));
}

std::string CFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args);
    va_end(args);
    return text;
}

std::string CFormatUnchecked(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args);
    va_end(args);
    return text;
}

std::string FillDecimals(const char* templ, int decimals) {
    std::string filled;
    const std::string count = std::to_string(ClampDecimalPlaces(decimals));
    for (const char* p = templ; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            filled += '%';
            ++p;
        } else if (p[0] == '%' && p[1] == 'd') {
            filled += count;
            ++p;
        } else {
            filled += *p;
        }
    }
    return filled;
}

std::string FixedText(double value, int decimals) {
    // to_chars is defined as printf's "%.*f" in the C locale, without the locale switch
    // and format parsing that make up most of the cost of a tableau's many cells.
#if defined(__cpp_lib_to_chars)
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, ClampDecimalPlaces(decimals));
    if (result.ec == std::errc()) {
        return std::string(buffer, result.ptr);
    }
#endif
    // The browser build's C++ library has no to_chars for doubles.
    return CFormatDynamic(FillDecimals("%%.%dlf", decimals), value);
}

std::string ShortestText(double value) {
#if defined(__cpp_lib_to_chars)
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
#else
    // The fewest significant digits that read back as the same double: the digits
    // to_chars chooses, as the nearest decimal of that length is the one printf rounds to.
    std::string text;
    for (int digits = 1; digits <= 17; ++digits) {
        text = CFormatDynamic("%." + std::to_string(digits) + "g", value);
        if (strtod_l(text.c_str(), nullptr, CLocale()) == value) {
            break;
        }
    }
    return text;
#endif
}

std::optional<ParsedNumber> ParseDecimalPrefix(std::string_view text) {
    std::size_t i = SkipBlanks(text);
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t intStart = i;
    i = SkipDigits(text, i);
    bool hasDigits = i > intStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = i + 1;
        const std::size_t fracEnd = SkipDigits(text, fracStart);
        if (hasDigits || fracEnd > fracStart) {
            hasDigits = true;
            i = fracEnd;
        }
    }
    if (!hasDigits) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            ++e;
        }
        const std::size_t expEnd = SkipDigits(text, e);
        if (expEnd > e) {
            i = expEnd;
        }
    }
    // The span is plain decimal text now; strtod in the C locale gives C's rounding,
    // overflow to infinity and underflow to zero.
    const std::string span(text.substr(start, i - start));
    ParsedNumber parsed;
    parsed.value = strtod_l(span.c_str(), nullptr, CLocale());
    parsed.length = i;
    return parsed;
}

double DecimalTextValue(std::string_view text) {
    const auto parsed = ParseDecimalPrefix(text);
    return parsed ? parsed->value : 0.0;
}

std::optional<ParsedInteger> ParseIntegerPrefix(std::string_view text) {
    std::size_t i = SkipBlanks(text);
    const std::size_t start = i;
    if (i < text.size() && text[i] == '+') {
        ++i;  // from_chars takes no plus sign
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (error != std::errc() || (text[i] == '-' && start != i)) {
        return std::nullopt;
    }
    if (value > 2147483647LL || value < -2147483648LL) {
        return std::nullopt;
    }
    return ParsedInteger{value, static_cast<std::size_t>(end - text.data())};
}

std::optional<long long> WholeNumber(std::string_view text) {
    const auto parsed = ParseIntegerPrefix(text);
    if (!parsed || parsed->length != text.size()) {
        return std::nullopt;
    }
    return parsed->value;
}

}  // namespace vantrell

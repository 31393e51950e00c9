// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/exact_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <new>

#include "model/number_text.h"

namespace vantrell {
namespace {

// GMP ends the process when an allocation fails. Every run makes its exact run, so a
// problem too large for the memory left must end as any other allocation failure does:
// with std::bad_alloc, which the command guard turns into its message. Throwing through
// GMP's frames is sound on this platform, whose C code carries unwind tables.
void* AllocateOrThrow(std::size_t size) {
    if (void* block = std::malloc(size)) {
        return block;
    }
    throw std::bad_alloc();
}
void* ReallocateOrThrow(void* old, std::size_t /*oldSize*/, std::size_t size) {
    if (void* block = std::realloc(old, size)) {
        return block;
    }
    throw std::bad_alloc();
}
void Release(void* block, std::size_t /*size*/) {
    std::free(block);
}
[[maybe_unused]] const bool kGmpThrowsOnExhaustion =
    (mp_set_memory_functions(AllocateOrThrow, ReallocateOrThrow, Release), true);

// The shortest round-trip text is digits with an optional point and exponent; its value
// is digits / 10^(fraction digits) * 10^exponent, exactly.
Rational RationalFromDecimalText(std::string_view text) {
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    long exponent = 0;
    bool afterPoint = false;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            afterPoint = true;
        } else {
            digits += text[i];
            exponent -= afterPoint ? 1 : 0;
        }
    }
    if (i < text.size()) {
        const char* start = text.data() + i + 1;
        const char* end = text.data() + text.size();
        start += start < end && *start == '+' ? 1 : 0;
        long written = 0;
        std::from_chars(start, end, written);
        exponent += written;
    }
    mpz_class numerator(digits.empty() ? std::string("0") : digits, 10);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    Rational value = exponent >= 0 ? Rational(numerator * scale) : Rational(numerator, scale);
    value.canonicalize();
    return negative ? Rational(-value) : value;
}

// The text of |value| as an M coefficient: "" for 1, "2", "(3/2)", "1.500".
std::string MultiplierText(const Rational& magnitude, const RationalTextFn& number) {
    if (magnitude == 1) {
        return "";
    }
    // A fraction (or a marked decimal) before M reads as one factor only in parentheses.
    const std::string text = number(magnitude);
    return text.find_first_of("/\\~") == std::string::npos ? text : "(" + text + ")";
}

std::string ExpressionText(const ExactMValue& value, const RationalTextFn& number) {
    if (!value.hasM || value.m == 0) {
        return number(value.c);
    }
    std::string text = value.m < 0 ? "-" : "";
    text += MultiplierText(abs(value.m), number) + "M";
    if (value.c != 0) {
        text += value.c < 0 ? " - " : " + ";
        text += number(abs(value.c));
    }
    return text;
}

}  // namespace

Rational ExactFromDouble(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return RationalFromDecimalText(ShortestText(value));
}

ExactMValue ExactCost(const CostTerm& term) {
    return {ExactFromDouble(term.cost), ExactFromDouble(term.mCost), term.hasM};
}

std::string ExactString(const Rational& value) {
    return value.get_str();
}

std::string NumberText(const Rational& value, NumberStyle style, int decimals) {
    if (style == NumberStyle::Decimals) {
        return FixedText(value.get_d(), decimals);
    }
    std::string text = value.get_str();
    if (text.size() > kMaxFractionLength) {
        return "~" + FixedText(value.get_d(), decimals);
    }
    return text;
}

std::string MValueText(const ExactMValue& value, const DisplayOptions& options, int decimals) {
    const NumberStyle style = options.numbers;
    return MValueText(value, options, [style, decimals](const Rational& number) {
        return NumberText(number, style, decimals);
    });
}

std::string MValueText(const ExactMValue& value, const DisplayOptions& options,
                       const RationalTextFn& number) {
    if (options.bigM == BigMStyle::Expressions) {
        return ExpressionText(value, number);
    }
    if (!value.hasM) {
        return number(value.c);
    }
    return "(" + number(value.c) + ", " + number(value.m) + "M)";
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
// Exact numbers as the student typed them, and their texts in every display.
#include "teach/exact_number.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrell {
namespace {

TEST(ExactNumber, ReadsTheTypedDecimal) {
    const struct {
        const char* name;
        double typed;
        const char* exact;
    } rows[] = {
        {"tenth", 0.1, "1/10"},
        {"negative_zero", -0.0, "0"},
        {"negative", -2.5, "-5/2"},
        {"large_exponent", 1e22, "10000000000000000000000"},
        {"more_digits_than_a_double", 0.1234567890123456789, "1543209862654321/12500000000000000"},
        {"not_finite", std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ExactString(ExactFromDouble(row.typed)), row.exact) << row.name;
    }
}

TEST(ExactNumber, TextsInEveryDisplay) {
    const DisplayOptions fractionsPairs{NumberStyle::Fractions, BigMStyle::Pairs};
    const DisplayOptions fractionsExpr{NumberStyle::Fractions, BigMStyle::Expressions};
    const DisplayOptions decimalsExpr{NumberStyle::Decimals, BigMStyle::Expressions};
    const DisplayOptions defaults;
    const struct {
        const char* name;
        ExactMValue value;
        DisplayOptions options;
        const char* text;
    } rows[] = {
        {"default_pair", {0, -1, true}, defaults, "(0.000, -1.000M)"},
        {"default_plain", {Rational(3, 2), 0, false}, defaults, "1.500"},
        {"fraction_negative", {Rational(-1, 3), 0, false}, fractionsPairs, "-1/3"},
        {"fraction_pair", {Rational(3, 2), -1, true}, fractionsPairs, "(3/2, -1M)"},
        {"m_alone_negative", {0, -1, true}, fractionsExpr, "-M"},
        {"m_minus_fraction", {Rational(-3, 2), 2, true}, fractionsExpr, "2M - 3/2"},
        {"m_plus_integer", {4, 1, true}, fractionsExpr, "M + 4"},
        {"fraction_multiplier", {0, Rational(-3, 2), true}, fractionsExpr, "-(3/2)M"},
        {"m_part_zero", {Rational(5, 2), 0, true}, fractionsExpr, "5/2"},
        {"zero_with_m", {0, 0, true}, fractionsExpr, "0"},
        {"decimal_expression", {Rational(-3, 2), 2, true}, decimalsExpr, "2.000M - 1.500"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MValueText(row.value, row.options, 3), row.text) << row.name;
    }
}

TEST(ExactNumber, LongFractionsFallBackToAMarkedDecimal) {
    const Rational longest(-12345, 67891);  // twelve characters: still exact
    const Rational longer(1234567, 7654321);
    EXPECT_EQ(NumberText(longest, NumberStyle::Fractions, 3), "-12345/67891");
    EXPECT_EQ(NumberText(longer, NumberStyle::Fractions, 3), "~0.161");
    EXPECT_EQ(NumberText(-longer, NumberStyle::Fractions, 4), "~-0.1613");
    // Tools get the exact value whatever its length.
    EXPECT_EQ(ExactString(longer), "1234567/7654321");
}

}  // namespace
}  // namespace vantrell

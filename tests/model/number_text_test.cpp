// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>

namespace vantrell {
namespace {

std::string PrintfFixed(double value, int decimals) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

TEST(NumberText, FixedTextIsCPrintfExactly) {
    const double values[] = {0.0,       -0.0,  0.125,  0.375,  2.5,        -2.5,
                             1e-7,      -1e-7, 0.0005, 1.0005, 123456.789, 1e22,
                             2.0 / 3.0, 1e300, NAN,    -NAN,   INFINITY,   -INFINITY};
    for (double value : values) {
        for (int decimals : {0, 1, 2, 3, 6, 10}) {
            EXPECT_EQ(FixedText(value, decimals), PrintfFixed(value, decimals))
                << value << " with " << decimals;
        }
    }
    EXPECT_EQ(FixedText(-0.0, 3), "-0.000");
    EXPECT_EQ(FixedText(2.5, 0), "2");
    // Any decimal count makes a well-formed format.
    EXPECT_EQ(FillDecimals("%%.%dlf %%s", 3), "%.3lf %s");
    EXPECT_EQ(FillDecimals("(%%.%dlf, %%.%dlfM)", 0), "(%.0lf, %.0lfM)");
    EXPECT_EQ(FillDecimals("%%.%dlf", -5), "%.0lf");
    EXPECT_EQ(FillDecimals("%%.%dlf", 2000000000), "%.10lf");
    EXPECT_EQ(FixedText(1.5, -3), "2");
    EXPECT_EQ(FixedText(1.5, 99), "1.5000000000");
    EXPECT_EQ(ClampDecimalPlaces(-9000000000LL), kMinDecimalPlaces);
    EXPECT_EQ(ClampDecimalPlaces(9000000000LL), kMaxDecimalPlaces);
}

TEST(NumberText, DecimalPrefixIsDecimalOnly) {
    const std::tuple<const char*, double, std::size_t> found[] = {
        {"0X2", 0.0, 1},  {"0x1p3", 0.0, 1}, {"2.5X12", 2.5, 3}, {"  -3.00X1", -3.0, 7},
        {"+4", 4.0, 2},   {".5", 0.5, 2},    {"5.", 5.0, 2},     {"1e3X1", 1000.0, 3},
        {"1eX1", 1.0, 1}, {"1e+", 1.0, 1}};
    for (const auto& [text, value, length] : found) {
        const auto parsed = ParseDecimalPrefix(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(parsed->value, value) << text;
        EXPECT_EQ(parsed->length, length) << text;
    }
    for (const char* text : {"X2", "-", ".", "nan", "inf", ""})
        EXPECT_FALSE(ParseDecimalPrefix(text)) << text;
    EXPECT_TRUE(std::isinf(ParseDecimalPrefix("1e999")->value));
    EXPECT_EQ(ParseDecimalPrefix("1.7976931348623157e308")->value, 1.7976931348623157e308);
    EXPECT_EQ(ParseDecimalPrefix("1e-999")->value, 0.0);
    EXPECT_EQ(DecimalTextValue("abc"), 0.0);
    EXPECT_EQ(DecimalTextValue("2,5"), 2.0);
    for (const auto& [text, value] : {std::pair{" 12 #x", 12}, {"-3", -3}, {"+7", 7}}) {
        EXPECT_EQ(ParseIntegerPrefix(text)->value, value) << text;
    }
    for (const char* text : {"+-7", "abc", "99999999999"})
        EXPECT_FALSE(ParseIntegerPrefix(text)) << text;
}

// A German desktop sets a comma as the decimal point for printf and strtod; the program's
// numbers must not follow it.
class CommaDecimalLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaDecimalLocale, NumbersKeepThePoint) {
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    ASSERT_EQ(std::string(probe), "2,5");  // the locale really is in force

    EXPECT_EQ(CFormat("%.3lf", 2.5), "2.500");
    EXPECT_EQ(FixedText(2.5, 3), "2.500");
    EXPECT_EQ(DecimalTextValue("2.5"), 2.5);
}

}  // namespace
}  // namespace vantrell

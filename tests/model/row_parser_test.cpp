// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/row_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace vantrell {
namespace {

// Decimal only: the X after a leading 0 ends the number and never opens hex.
TEST(ParseTermToken, ReadsDecimalNumberXVariableNumber) {
    const std::tuple<const char*, double, int, bool> cases[] = {
        {"2.5X12", 2.5, 12, false}, {"-3.00X1", -3.0, 1, false}, {"1e2X3", 100.0, 3, false},
        {"0X2", 0.0, 2, true},      {"0.00X2", 0.0, 2, false},   {"05X1", 5.0, 1, false}};
    for (const auto& [token, coefficient, number, zero] : cases) {
        const auto term = ParseTermToken(token);
        ASSERT_TRUE(term.has_value()) << token;
        EXPECT_EQ(std::tuple(term->coefficient, term->number, term->zero),
                  std::tuple(coefficient, number, zero))
            << token;
    }
    for (const char* bad : {"X2", "3X", "nanX2", "3X0", "3X2147483648", "1e999X1", "3x1", "3X1Y",
                            "0x1p3X1", "3.00X1\t"}) {
        EXPECT_FALSE(ParseTermToken(bad).has_value()) << bad;
    }
}

// Error empty: the row reads, with these coefficients and the rest left over. x is no
// variable letter; tabs do not separate, and control bytes go into a message as "?".
TEST(ParseRow, JoinersSignTheNextTermAndTheRestIsLeftOverOrTheErrorNamed) {
    const std::string wrong = "is unknown: File must have the wrong format";
    const std::tuple<const char*, std::vector<double>, std::vector<std::string>, std::string>
        cases[] = {
            {"-3.00X1 + 5.00X2 #object function", {-3.0, 5.0}, {"#object", "function"}, ""},
            {"3.00X1 - 5.00X2 - 1X3 + 2X4", {3.0, -5.0, -1.0, 2.0}, {}, ""},
            {"   1.00X1    +   0.00X2   <=    4.00   ", {1.0, 0.0}, {"<=", "4.00"}, ""},
            {"3x1 + 2x2 <= 4", {}, {"3x1", "+", "2x2", "<=", "4"}, ""},
            {"3.00X1 +5.00X2", {}, {}, "Multiplier " + wrong},
            {"3.00X1 5.00X2", {}, {}, "Multiplier " + wrong},
            {"3.00X1 + X2", {}, {}, "Term \"X2\" " + wrong},
            {"3X1\t<= 4", {}, {}, "Term \"3X1?<=\" " + wrong},
        };
    for (const auto& [line, expected, rest, error] : cases) {
        SCOPED_TRACE(line);
        const ParsedRow row = ParseRow(line);
        EXPECT_EQ(row.error.value_or(""), error);
        if (error.empty()) {
            std::vector<double> coefficients;
            for (const RowTerm& term : row.terms) {
                coefficients.push_back(term.coefficient);
            }
            EXPECT_EQ(coefficients, expected);
            EXPECT_EQ(row.rest, rest);
        }
    }
}

// "- 0X2" is a plain zero: a negative zero would show as "-0.000" in every tableau.
TEST(ParseRow, MinusZeroReadsAsPlainZero) {
    const ParsedRow row = ParseRow("1X1 - 0X2 <= 4");
    ASSERT_EQ(row.terms.size(), 2u);
    EXPECT_FALSE(std::signbit(row.terms[1].coefficient));
}

}  // namespace
}  // namespace vantrell

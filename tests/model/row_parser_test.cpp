#include "model/row_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrell {
namespace {

TEST(ParseTermToken, ReadsDecimalNumberXVariableNumber) {
    const struct {
        const char* token;
        double coefficient;
        int number;
        bool zero;
    } cases[] = {
        {"2.5X12", 2.5, 12, false},
        {"-3.00X1", -3.0, 1, false},
        {"1e2X3", 100.0, 3, false},
        // Decimal only: the X after a leading 0 ends the number and never opens hex.
        {"0X2", 0.0, 2, true},
        {"0.00X2", 0.0, 2, false},
        {"05X1", 5.0, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.token);
        const auto term = ParseTermToken(c.token);
        ASSERT_TRUE(term.has_value());
        EXPECT_DOUBLE_EQ(term->coefficient, c.coefficient);
        EXPECT_EQ(term->number, c.number);
        EXPECT_EQ(term->zero, c.zero);
    }
    for (const char* bad : {"X2", "3X", "nanX2", "3X0", "3X-1", "3X2147483648", "1e999X1", "3x1",
                            "3X1Y", "0x1p3X1", "3.00X1\t"}) {
        EXPECT_FALSE(ParseTermToken(bad).has_value()) << bad;
    }
}

TEST(ParseRow, JoinersSignTheNextTermAndTheRestIsLeftOver) {
    const struct {
        const char* line;
        std::vector<double> coefficients;
        std::vector<std::string> rest;
    } cases[] = {
        {"-3.00X1 + 5.00X2 #object function", {-3.0, 5.0}, {"#object", "function"}},
        {"3.00X1 - 5.00X2 - 1X3 + 2X4", {3.0, -5.0, -1.0, 2.0}, {}},
        {"   1.00X1    +   0.00X2   <=    4.00   ", {1.0, 0.0}, {"<=", "4.00"}},
        {"<= 4.00", {}, {"<=", "4.00"}},
        {"3x1 + 2x2 <= 4", {}, {"3x1", "+", "2x2", "<=", "4"}},  // x is no variable letter
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ParsedRow row = ParseRow(c.line);
        ASSERT_FALSE(row.error.has_value()) << *row.error;
        std::vector<double> coefficients;
        for (const RowTerm& term : row.terms) {
            coefficients.push_back(term.coefficient);
        }
        EXPECT_EQ(coefficients, c.coefficients);
        EXPECT_EQ(row.rest, c.rest);
    }
}

TEST(ParseRow, ReportsWhatCannotBeRead) {
    const std::string multiplier = "Multiplier is unknown: File must have the wrong format";
    const struct {
        const char* line;
        std::string message;
    } cases[] = {
        {"3.00X1 +5.00X2", multiplier},
        {"3.00X1 5.00X2", multiplier},
        {"3.00X1 #max X", multiplier},
        {"3.00X1 + X2", "Term \"X2\" is unknown: File must have the wrong format"},
        // Tabs do not separate, and control bytes are not put into a message as they are.
        {"3X1\t<= 4", "Term \"3X1?<=\" is unknown: File must have the wrong format"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ParsedRow row = ParseRow(c.line);
        ASSERT_TRUE(row.error.has_value());
        EXPECT_EQ(*row.error, c.message);
    }
}

}  // namespace
}  // namespace vantrell

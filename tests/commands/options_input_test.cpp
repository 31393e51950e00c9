#include "commands/options_input.h"

#include <gtest/gtest.h>

#include <string>

#include "model/number_text.h"

namespace vantrell {
namespace {

struct Accepted {
    const char* name;
    const char* text;
    int places;
};

class AcceptedDecimalText : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedDecimalText, GivesTheCount) {
    const DecimalPlacesInput input = ReadDecimalPlaces(GetParam().text);
    ASSERT_TRUE(input.places.has_value()) << input.message;
    EXPECT_EQ(*input.places, GetParam().places);
    EXPECT_EQ(input.message, "");
}

INSTANTIATE_TEST_SUITE_P(
    Options, AcceptedDecimalText,
    ::testing::Values(Accepted{"Plain", "5", 5}, Accepted{"Zero", "0", 0},
                      Accepted{"MinusGivesAbsoluteValue", "-2", 2}, Accepted{"MinusZero", "-0", 0},
                      Accepted{"PlusSign", "+3", 3}, Accepted{"BlanksAround", "  7\t", 7},
                      Accepted{"LeadingZeros", "0004", 4},
                      Accepted{"UpperBound", "10", kMaxDecimalPlaces},
                      Accepted{"UpperBoundNegative", "-10", kMaxDecimalPlaces}),
    [](const auto& row) { return std::string(row.param.name); });

struct Refused {
    const char* name;
    const char* text;
    bool outOfRange;
};

class RefusedDecimalText : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedDecimalText, ExplainsWhy) {
    const DecimalPlacesInput input = ReadDecimalPlaces(GetParam().text);
    EXPECT_FALSE(input.places.has_value());
    EXPECT_EQ(input.message,
              GetParam().outOfRange ? DecimalRangeMessage() : std::string(kNotIntegerMessage));
}

INSTANTIATE_TEST_SUITE_P(
    Options, RefusedDecimalText,
    ::testing::Values(Refused{"Fraction", "2.5", false}, Refused{"Word", "abc", false},
                      Refused{"Empty", "", false}, Refused{"OnlyBlanks", "   ", false},
                      Refused{"OnlySign", "-", false}, Refused{"TwoSigns", "--2", false},
                      Refused{"SignAfterBlank", "- 2", false}, Refused{"TrailingText", "3x", false},
                      Refused{"TwoNumbers", "3 4", false}, Refused{"Exponent", "1e1", false},
                      Refused{"HexDigits", "0x5", false}, Refused{"JustAbove", "11", true},
                      Refused{"NegativeAbove", "-11", true},
                      Refused{"BeyondInt", "99999999999", true},
                      Refused{"VeryLong", "123456789012345678901234567890", true},
                      Refused{"LeadingZerosAbove", "00011", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(OptionsTexts, RangeHintAndMessageNameTheBounds) {
    EXPECT_EQ(DecimalRangeHint(), "(0 to 10)");
    EXPECT_EQ(DecimalRangeMessage(), "The number of decimal places must be from 0 to 10.");
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/options_input.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "model/number_text.h"

namespace vantrell {
namespace {

void ExpectRead(const char* text, std::optional<int> places, const std::string& message) {
    const DecimalPlacesInput input = ReadDecimalPlaces(text);
    EXPECT_EQ(input.places, places) << '"' << text << '"';
    EXPECT_EQ(input.message, message) << '"' << text << '"';
}

TEST(ReadDecimalPlaces, TakesWholeNumbersFromZeroToTenSignIgnored) {
    const std::pair<const char*, int> accepted[] = {{"5", 5},   {"0", 0},     {"-2", 2},
                                                    {"+3", 3},  {"  7\t", 7}, {"0004", 4},
                                                    {"10", 10}, {"-10", 10}};
    for (const auto& [text, places] : accepted) {
        ExpectRead(text, places, "");
    }
    for (const char* text :
         {"2.5", "abc", "", "   ", "-", "--2", "- 2", "3x", "3 4", "1e1", "0x5"}) {
        ExpectRead(text, std::nullopt, kNotIntegerMessage);
    }
    for (const char* text :
         {"11", "-11", "00011", "99999999999", "123456789012345678901234567890"}) {
        ExpectRead(text, std::nullopt, "The number of decimal places must be from 0 to 10.");
    }
}

}  // namespace
}  // namespace vantrell

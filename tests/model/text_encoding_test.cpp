// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/text_encoding.h"

#include <gtest/gtest.h>

namespace vantrell {
namespace {

// Every kind of malformed sequence, each byte of it read as Latin-1; well-formed text kept.
TEST(Utf8OrLatin1, KeepsUtf8AndReadsEveryOtherByteAsLatin1) {
    struct Row {
        const char* name;
        std::string in;
        std::string out;
    };
    const Row rows[] = {
        {"ascii", "Plant 1", "Plant 1"},
        {"latin1 letter", "M\xe9lange", "M\xc3\xa9lange"},
        {"two-byte kept", "M\xc3\xa9lange", "M\xc3\xa9lange"},
        {"four-byte kept", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
        {"largest code point kept", "\xf4\x8f\xbf\xbf", "\xf4\x8f\xbf\xbf"},
        {"lone continuation", "\x80", "\xc2\x80"},
        {"overlong two-byte", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
        {"overlong three-byte", "\xe0\x80\xaf", "\xc3\xa0\xc2\x80\xc2\xaf"},
        {"overlong four-byte", "\xf0\x80\x80\xaf", "\xc3\xb0\xc2\x80\xc2\x80\xc2\xaf"},
        {"surrogate", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
        {"beyond U+10FFFF", "\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"},
        {"lead byte F5", "\xf5", "\xc3\xb5"},
        {"byte FF", "\xff", "\xc3\xbf"},
        {"cut off at the end", "a\xe2\x82", "a\xc3\xa2\xc2\x82"},
        {"cut off before ascii", "\xe2\x82x", "\xc3\xa2\xc2\x82x"},
        {"bad third byte", "\xe2\x82\x41", "\xc3\xa2\xc2\x82\x41"},
        {"bad fourth byte", "\xf0\x9f\x98\x41", "\xc3\xb0\xc2\x9f\xc2\x98\x41"},
        {"nul kept", std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Utf8OrLatin1(row.in), row.out) << row.name;
    }
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vantrell {

// The text as valid UTF-8: well-formed UTF-8 sequences are kept, and every other byte is read
// as Latin-1 (0xE9 becomes "é"). Problem files are 8-bit text, so a name written on an old
// Latin-1 desktop still shows its letters. Overlong forms, surrogates, code points beyond
// U+10FFFF and cut-off sequences are not well-formed; their bytes are read one by one.
std::string Utf8OrLatin1(std::string_view text);

}  // namespace vantrell

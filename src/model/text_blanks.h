// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vantrell {

// The blanks a typed field or a file line may have around and between its words.
bool IsSpaceOrTab(char c);
// The text with every space and tab taken out: how picked names such as "X 1" are read.
std::string WithoutSpacesOrTabs(std::string_view text);
// The text without C white space (blanks, line ends, form feeds) at either end.
std::string_view TrimWhiteSpace(std::string_view text);

}  // namespace vantrell

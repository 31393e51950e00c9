// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/text_blanks.h"

namespace vantrell {
namespace {

bool IsWhiteSpace(char c) {
    return IsSpaceOrTab(c) || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

std::string WithoutSpacesOrTabs(std::string_view text) {
    std::string packed;
    for (const char c : text) {
        if (!IsSpaceOrTab(c)) {
            packed += c;
        }
    }
    return packed;
}

std::string_view TrimWhiteSpace(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace vantrell

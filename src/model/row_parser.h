// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrell {

// One term of a problem file row, such as "2.5X12": the coefficient with the sign of the
// joiner before it, and the 1-based variable number after the X.
struct RowTerm {
    double coefficient = 0.0;
    int number = 0;
    // The coefficient was written as a plain zero ("0X2", not "0.00X2").
    bool zero = false;
};

// A row as read: its terms in file order and the tokens after the last term (a
// constraint's relation and right-hand side, or the objective's comment). error holds the
// message when the row cannot be read; the file is then not read at all.
struct ParsedRow {
    std::vector<RowTerm> terms;
    std::vector<std::string> rest;
    std::optional<std::string> error;
};

// The tokens of a line. Only the blank separates, and a run of blanks counts as one; a
// tab belongs to its token.
std::vector<std::string_view> SplitAtBlanks(std::string_view line);

// One term token: a decimal number, an upper-case X, a variable number of 1 or more, and
// nothing after it. Nothing when the token is not of that form or its number is not finite.
std::optional<RowTerm> ParseTermToken(std::string_view token);

// Reads a row: as many terms as the line holds upper-case X letters, joined by "+" or "-"
// tokens.
ParsedRow ParseRow(std::string_view line);

// A token fit to show inside a message: control bytes as "?", a long token cut.
std::string QuotedToken(std::string_view token);

}  // namespace vantrell

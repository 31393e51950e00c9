// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/row_parser.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"

namespace vantrell {
namespace {

constexpr const char* kWrongFormat = ": File must have the wrong format";

}  // namespace

std::vector<std::string_view> SplitAtBlanks(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ') {
            ++i;
        }
        if (i > start) {
            tokens.push_back(line.substr(start, i - start));
        }
    }
    return tokens;
}

std::optional<RowTerm> ParseTermToken(std::string_view token) {
    const auto coefficient = ParseDecimalPrefix(token);
    if (!coefficient || !std::isfinite(coefficient->value)) {
        return std::nullopt;
    }
    std::string_view rest = token.substr(coefficient->length);
    if (rest.empty() || rest.front() != 'X') {
        return std::nullopt;
    }
    rest.remove_prefix(1);
    const auto number = ParseIntegerPrefix(rest);
    if (!number || number->length != rest.size() || number->value < 1) {
        return std::nullopt;
    }
    RowTerm term;
    term.coefficient = coefficient->value;
    term.number = static_cast<int>(number->value);
    // A leading "0" not followed by a point is a plain zero; "05X1" starts the same way but
    // is five, and marking it would make later steps treat a real coefficient as zero.
    term.zero = token.size() >= 2 && token[0] == '0' && token[1] != '.' && term.coefficient == 0.0;
    return term;
}

ParsedRow ParseRow(std::string_view line) {
    ParsedRow row;
    const auto termCount = static_cast<std::size_t>(std::count(line.begin(), line.end(), 'X'));
    const std::vector<std::string_view> tokens = SplitAtBlanks(line);
    std::size_t next = 0;
    double sign = 1.0;
    for (std::size_t k = 0; k < termCount; ++k) {
        const std::string_view token = next < tokens.size() ? tokens[next] : std::string_view();
        ++next;
        auto term = ParseTermToken(token);
        if (!term) {
            row.error = "Term \"" + QuotedToken(token) + "\" is unknown" + kWrongFormat;
            return row;
        }
        // Normalised so that "- 0X2" does not become a negative zero that shows as "-0.00".
        term->coefficient = term->coefficient == 0.0 ? 0.0 : term->coefficient * sign;
        row.terms.push_back(*term);
        if (k + 1 < termCount) {
            const std::string_view joiner =
                next < tokens.size() ? tokens[next] : std::string_view();
            ++next;
            if (joiner == "+") {
                sign = 1.0;
            } else if (joiner == "-") {
                sign = -1.0;
            } else {
                row.error = std::string("Multiplier is unknown") + kWrongFormat;
                return row;
            }
        }
    }
    for (; next < tokens.size(); ++next) {
        row.rest.emplace_back(tokens[next]);
    }
    return row;
}

std::string QuotedToken(std::string_view token) {
    constexpr std::size_t kLongest = 40;
    std::string shown;
    for (const char c : token.substr(0, kLongest)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    if (token.size() > kLongest) {
        shown += "...";
    }
    return shown;
}

}  // namespace vantrell

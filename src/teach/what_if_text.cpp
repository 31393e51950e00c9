// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/what_if_text.h"

#include <algorithm>

#include "model/number_text.h"
#include "model/row_parser.h"
#include "teach/exact_page_text.h"
#include "teach/run_story.h"

namespace vantrell {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The whole of text as a decimal number, or nothing.
std::optional<double> WholeNumber(const std::string& text) {
    const auto parsed = ParseDecimalPrefix(text);
    if (!parsed || parsed->length != text.size()) {
        return std::nullopt;
    }
    return parsed->value;
}

std::optional<WhatIfChange> ParseAssignment(bool rhs, const std::string& flag,
                                            const std::string& value, std::string& error) {
    const char* example = rhs ? "C1=20" : "X1=4";
    const auto equals = value.find('=');
    const std::string name = Trimmed(value.substr(0, equals));
    if (equals == std::string::npos || name.empty()) {
        error = flag + " needs " + (rhs ? "NAME" : "VAR") + "=VALUE, as in " + example +
                ", not \"" + QuotedToken(value) + "\"";
        return std::nullopt;
    }
    const std::string number = Trimmed(value.substr(equals + 1));
    const auto parsed = WholeNumber(number);
    if (!parsed) {
        error =
            flag + " " + QuotedToken(name) + ": \"" + QuotedToken(number) + "\" is not a number";
        return std::nullopt;
    }
    WhatIfChange change;
    change.kind = rhs ? WhatIfChange::Kind::Rhs : WhatIfChange::Kind::Cost;
    change.name = name;
    change.value = *parsed;
    return change;
}

std::optional<WhatIfChange> ParseAddedRow(const std::string& flag, const std::string& value,
                                          std::string& error) {
    const std::string form = flag + " needs \"NAME: 1X1 + 2X2 <= 8\" (<= or >=)";
    const auto colon = value.find(':');
    const std::string name = Trimmed(value.substr(0, colon));
    if (colon == std::string::npos || name.empty()) {
        error = form + ": \"" + QuotedToken(value) + "\" has no name before a colon";
        return std::nullopt;
    }
    const ParsedRow row = ParseRow(value.substr(colon + 1));
    if (row.error) {
        error = flag + " " + QuotedToken(name) + ": " + *row.error;
        return std::nullopt;
    }
    if (row.terms.empty() || row.rest.size() != 2) {
        error = form + ": \"" + QuotedToken(value) +
                "\" needs its terms, a relation and a right-hand side";
        return std::nullopt;
    }
    WhatIfChange change;
    change.kind = WhatIfChange::Kind::Row;
    change.name = name;
    const std::string relation(row.rest[0]);
    if (relation == "<=" || relation == ">=" || relation == "=") {
        change.relation = relation == "<=" ? kLessEqual : relation == ">=" ? kGreaterEqual : kEqual;
    } else {
        error =
            flag + " " + QuotedToken(name) + ": \"" + QuotedToken(relation) + "\" is not <= or >=";
        return std::nullopt;
    }
    const auto rhs = WholeNumber(std::string(row.rest[1]));
    if (!rhs) {
        error = flag + " " + QuotedToken(name) + ": \"" + QuotedToken(row.rest[1]) +
                "\" is not a number";
        return std::nullopt;
    }
    change.value = *rhs;
    for (const RowTerm& term : row.terms) {
        const auto k = static_cast<std::size_t>(term.number - 1);
        change.coefficients.resize(std::max(change.coefficients.size(), k + 1), 0.0);
        change.coefficients[k] += term.coefficient;
    }
    return change;
}

}  // namespace

std::optional<WhatIfChange> ParseWhatIfChange(WhatIfChange::Kind kind, const std::string& word,
                                              const std::string& value, std::string& error) {
    return kind == WhatIfChange::Kind::Row
               ? ParseAddedRow(word, value, error)
               : ParseAssignment(kind == WhatIfChange::Kind::Rhs, word, value, error);
}

std::optional<std::vector<WhatIfChange>> ParseWhatIfLine(const std::string& line,
                                                         std::string& error) {
    std::vector<WhatIfChange> changes;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(';', start), line.size());
        const std::string part = Trimmed(line.substr(start, end - start));
        start = end + 1;
        if (part.empty()) {
            continue;
        }
        const std::size_t space = std::min(part.find(' '), part.size());
        const std::string word = part.substr(0, space);
        const std::string value = Trimmed(part.substr(space));
        const auto kind = word == "rhs"    ? std::optional(WhatIfChange::Kind::Rhs)
                          : word == "cost" ? std::optional(WhatIfChange::Kind::Cost)
                          : word == "row"  ? std::optional(WhatIfChange::Kind::Row)
                                           : std::nullopt;
        if (!kind) {
            error = "\"" + QuotedToken(part) +
                    "\" is no change: start it with rhs, cost or row, as in rhs C1=20";
            return std::nullopt;
        }
        auto change = ParseWhatIfChange(*kind, word, value, error);
        if (!change) {
            return std::nullopt;
        }
        changes.push_back(std::move(*change));
    }
    if (changes.empty()) {
        error = "Type a change, as in rhs C1=20, cost X1=4 or row R4: 1X1 + 2X2 <= 8";
        return std::nullopt;
    }
    return changes;
}

std::vector<std::string> WhatIfLines(const std::string& typed, const ProblemSet& problem,
                                     bool minimize, PivotRule rule, const NoteNumbers& numbers) {
    std::string error;
    const auto changes = ParseWhatIfLine(typed, error);
    if (!changes) {
        return {error};
    }
    const WhatIfAnswer answer = WhatIf(problem, minimize, rule, *changes, numbers);
    if (answer.error) {
        return {*answer.error};
    }
    std::vector<std::string> lines = answer.check;
    // An unbounded run ends with the tableau that decides it.
    std::vector<ExactPage> pages = answer.run.pages;
    if (answer.run.unboundedEnd) {
        pages.push_back(*answer.run.unboundedEnd);
    }
    for (std::size_t p = 0; p < pages.size(); ++p) {
        lines.emplace_back();
        lines.push_back("Tableau #" + std::to_string(p + 1));
        for (const std::string& line :
             ExactTableauPage(pages[p], numbers.display, numbers.decimals).Lines()) {
            lines.push_back(line);
        }
        if (p < answer.notes.size()) {
            lines.push_back("Step: " + answer.notes[p]);
        }
    }
    lines.emplace_back();
    if (!answer.run.certified) {
        lines.push_back("The answer failed its proof check: " + answer.run.proofFault);
    } else if (const auto optimum = StatedOptimumLine(answer.run, numbers)) {
        lines.push_back(*optimum);
        for (const auto& [name, value] : VariableValues(answer.run)) {
            lines.push_back("    " + name + " = " + numbers.Text(value));
        }
    } else if (answer.run.outcome == RunOutcome::Infeasible) {
        lines.emplace_back("The changed problem has no feasible solution");
    } else if (const auto unbounded = UnboundedLine(answer.run)) {
        lines.push_back(*unbounded);
    }
    return lines;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/whatif_command.h"

#include <iomanip>

#include "cli/cli_app.h"
#include "cli/command_parts.h"
#include "cli/stream_prompt.h"
#include "commands/file_commands.h"
#include "export/json_what_if.h"
#include "model/number_text.h"
#include "model/row_parser.h"
#include "teach/exact_page_text.h"
#include "teach/run_story.h"

namespace vantrell::cli {
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

std::optional<WhatIfChange> ParseAssignment(const std::string& flag, const std::string& value,
                                            std::string& error) {
    const bool rhs = flag == "--rhs";
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

constexpr const char* kRowForm = "--add-row needs \"NAME: 1X1 + 2X2 <= 8\" (<= or >=)";

std::optional<WhatIfChange> ParseAddedRow(const std::string& value, std::string& error) {
    const auto colon = value.find(':');
    const std::string name = Trimmed(value.substr(0, colon));
    if (colon == std::string::npos || name.empty()) {
        error =
            std::string(kRowForm) + ": \"" + QuotedToken(value) + "\" has no name before a colon";
        return std::nullopt;
    }
    const ParsedRow row = ParseRow(value.substr(colon + 1));
    if (row.error) {
        error = "--add-row " + QuotedToken(name) + ": " + *row.error;
        return std::nullopt;
    }
    if (row.terms.empty() || row.rest.size() != 2) {
        error = std::string(kRowForm) + ": \"" + QuotedToken(value) +
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
        error = "--add-row " + QuotedToken(name) + ": \"" + QuotedToken(relation) +
                "\" is not <= or >=";
        return std::nullopt;
    }
    const auto rhs = WholeNumber(std::string(row.rest[1]));
    if (!rhs) {
        error = "--add-row " + QuotedToken(name) + ": \"" + QuotedToken(row.rest[1]) +
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

std::optional<WhatIfChange> ParseWhatIfChange(const std::string& flag, const std::string& value,
                                              std::string& error) {
    return flag == "--add-row" ? ParseAddedRow(value, error) : ParseAssignment(flag, value, error);
}

int RunWhatIfCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    VantrellState state;
    StreamPrompt prompt(err, options.problemFile, std::nullopt);
    if (OpenProblem(state, prompt) != OpenResult::Opened) {
        return kExitUsageOrUnreadable;
    }
    if (options.decimals) {
        state.mDecimalPlaces = *options.decimals;
    }
    if (options.display) {
        state.mDisplay = *options.display;
    }
    state.mCommandLineWords = true;
    const NoteNumbers numbers = options.json
                                    ? NoteNumbers{{NumberStyle::Fractions, BigMStyle::Expressions},
                                                  state.mDecimalPlaces,
                                                  true}
                                    : NoteNumbersOf(state);
    const WhatIfAnswer answer =
        WhatIf(state.mPrimal, state.mMinimize, options.rule.value_or(PivotRule::LargestCjZj),
               options.changes, numbers);
    if (answer.error) {
        prompt.ShowMessage(*answer.error);
        return kExitRefused;
    }
    if (options.json) {
        out << std::setw(2) << WhatIfJson(answer, options.changes, numbers) << '\n';
        return kExitSuccess;
    }
    out << "What if:\n";
    for (const std::string& line : answer.check) {
        out << "    " << line << '\n';
    }
    // An unbounded run ends with the tableau that decides it.
    std::vector<ExactPage> pages = answer.run.pages;
    if (answer.run.unboundedEnd) {
        pages.push_back(*answer.run.unboundedEnd);
    }
    for (std::size_t p = 0; p < pages.size(); ++p) {
        out << "\nTableau #" << p + 1 << "\n\n";
        for (const std::string& line :
             ExactTableauPage(pages[p], state.mDisplay, state.mDecimalPlaces).Lines()) {
            out << line << '\n';
        }
        if (p < answer.notes.size()) {
            out << "\nStep: " << answer.notes[p] << '\n';
        }
    }
    out << '\n';
    if (!answer.run.certified) {
        out << "The answer failed its proof check: " << answer.run.proofFault << '\n';
        return kExitFailed;
    }
    if (const auto optimum = StatedOptimumLine(answer.run, numbers)) {
        out << *optimum << '\n';
        for (const auto& [name, value] : VariableValues(answer.run)) {
            out << "    " << name << " = " << numbers.Text(value) << '\n';
        }
    } else if (answer.run.outcome == RunOutcome::Infeasible) {
        out << "The changed problem has no feasible solution\n";
    } else if (const auto unbounded = UnboundedLine(answer.run)) {
        out << *unbounded << '\n';
    }
    return kExitSuccess;
}

}  // namespace vantrell::cli

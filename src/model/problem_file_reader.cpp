// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/problem_file_reader.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"
#include "model/problem_limits.h"
#include "model/row_parser.h"
#include "model/variable_names.h"

namespace vantrell {
namespace {

const std::string kWrongFormat = ": File must have the wrong format";
const std::string kNegativeRhs =
    "Constraints with RHS numbers less than zero are not allowed. Change file";
const std::string kUtf16Message =
    "The file is UTF-16 text: save it as 8-bit text (ASCII or UTF-8) and open it again";

// Walks the content line by line; the content's line ends are LF only by now.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    // The next line without its line end; nothing at the end of the content.
    std::optional<std::string_view> NextLine() {
        if (position_ >= text_.size()) {
            return std::nullopt;
        }
        const std::size_t end = text_.find('\n', position_);
        const std::size_t lineEnd = end == std::string_view::npos ? text_.size() : end;
        const std::string_view line = text_.substr(position_, lineEnd - position_);
        position_ = end == std::string_view::npos ? text_.size() : end + 1;
        return line;
    }

    // Everything up to the next '#', line ends included, and then skips the rest of the
    // line the '#' stands in. Nothing, and no move, when no '#' follows.
    std::optional<std::string_view> UpToHash() {
        const std::size_t hash = text_.find('#', position_);
        if (hash == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view taken = text_.substr(position_, hash - position_);
        const std::size_t end = text_.find('\n', hash);
        position_ = end == std::string_view::npos ? text_.size() : end + 1;
        return taken;
    }

    bool OnlyWhiteSpaceLeft() const {
        return text_.find_first_not_of(" \t\r\n", position_) == std::string_view::npos;
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Text in UTF-16 has a byte order mark, or, for the ASCII this format is made of, a NUL in
// every other byte; read as 8-bit text it would only give puzzling messages.
bool LooksLikeUtf16(std::string_view content) {
    if (content.starts_with("\xFF\xFE") || content.starts_with("\xFE\xFF")) {
        return true;
    }
    const std::size_t probe = std::min<std::size_t>(content.size(), 64) & ~std::size_t{1};
    if (probe < 4) {
        return false;
    }
    bool evenNul = true;
    bool oddNul = true;
    for (std::size_t i = 0; i < probe; ++i) {
        (i % 2 == 0 ? evenNul : oddNul) &= content[i] == '\0';
    }
    return evenNul != oddNul;
}

// LF line ends. A CR LF is one line end; a file without any LF, as old Mac editors
// write it, ends its lines with a CR alone. Elsewhere a lone CR stays part of its line.
std::string WithLfLineEnds(std::string_view content) {
    std::string text;
    text.reserve(content.size());
    const bool crOnly = content.find('\n') == std::string_view::npos;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' && crOnly) {
            text += '\n';
            continue;
        }
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') {
            continue;
        }
        text += content[i];
    }
    return text;
}

std::string FirstToken(std::string_view line) {
    const auto tokens = SplitAtBlanks(line);
    return tokens.empty() ? std::string() : QuotedToken(tokens.front());
}

// A header integer: the first integer of its line, the rest of the line ignored.
std::optional<long long> ReadHeaderInteger(LineCursor& cursor, const std::string& what,
                                           std::vector<std::string>& messages) {
    const auto line = cursor.NextLine();
    if (!line) {
        messages.push_back(what + " is missing" + kWrongFormat);
        return std::nullopt;
    }
    const auto parsed = ParseIntegerPrefix(*line);
    if (!parsed) {
        messages.push_back(what + " \"" + FirstToken(*line) + "\" is unknown" + kWrongFormat);
        return std::nullopt;
    }
    return parsed->value;
}

std::int32_t RelationCodeOf(std::string_view token) {
    if (token == "<=") {
        return kLessEqual;
    }
    if (token == "=") {
        return kEqual;
    }
    if (token == ">=") {
        return kGreaterEqual;
    }
    return kUnknownRelation;
}

// The whole token as a finite decimal number; trailing white space (a tab, a stray CR) is
// no part of it. "4,5", "0x4", "nan" or "four" are no numbers, not 4 or 0.
std::optional<double> WholeNumber(std::string_view token) {
    while (!token.empty() &&
           std::string_view(" \t\r\v\f").find(token.back()) != std::string_view::npos) {
        token.remove_suffix(1);
    }
    const auto parsed = ParseDecimalPrefix(token);
    if (!parsed || parsed->length != token.size() || !std::isfinite(parsed->value)) {
        return std::nullopt;
    }
    return parsed->value;
}

std::string ConstraintWhere(int number) {
    return "constraint " + std::to_string(number);
}

// The terms by variable number: slot k holds the term of X(k+1), or nothing for a variable
// the row leaves out. A row written "1X2 + 1X1" is the row "1X1 + 1X2", not its columns
// swapped. Nothing, with the message added, for a variable beyond the limit or one that
// appears twice.
using TermSlots = std::vector<std::optional<RowTerm>>;
std::optional<TermSlots> TermsByNumber(const std::vector<RowTerm>& terms, const std::string& where,
                                       std::vector<std::string>& messages) {
    int widest = 0;
    for (const RowTerm& term : terms) {
        if (term.number > kMaxVariables) {
            messages.push_back(TooManyVariablesMessage(term.number, where));
            return std::nullopt;
        }
        widest = std::max(widest, term.number);
    }
    TermSlots slots(static_cast<std::size_t>(widest));
    for (const RowTerm& term : terms) {
        std::optional<RowTerm>& slot = slots[static_cast<std::size_t>(term.number - 1)];
        if (slot) {
            messages.push_back(DecisionName(term.number) + " appears twice in " + where +
                               kWrongFormat);
            return std::nullopt;
        }
        slot = term;
    }
    return slots;
}

// A variable the row leaves out has a zero-marked 0 there.
double CoefficientIn(const std::optional<RowTerm>& slot) {
    return slot ? slot->coefficient : 0.0;
}
bool ZeroIn(const std::optional<RowTerm>& slot) {
    return slot ? slot->zero : true;
}

bool ReadObjective(std::string_view line, std::vector<CostTerm>& objective,
                   std::vector<std::string>& messages) {
    const ParsedRow parsed = ParseRow(line);
    if (parsed.error) {
        messages.push_back(*parsed.error);
        return false;
    }
    const auto slots = TermsByNumber(parsed.terms, "the objective function", messages);
    if (!slots) {
        return false;
    }
    for (std::size_t k = 0; k < slots->size(); ++k) {
        CostTerm cost;
        cost.id = static_cast<std::int32_t>(k);
        cost.name = DecisionName(static_cast<int>(k + 1));
        cost.cost = CoefficientIn((*slots)[k]);
        cost.zero = ZeroIn((*slots)[k]);
        objective.push_back(cost);
    }
    return true;
}

// Reads the row line of constraint `number` into row; false, with the message added, when
// the file cannot be read on. A row the run could not use (an unknown relation, a right-hand
// side that is no number) refuses the whole file, so no half-read problem is solved.
bool ReadConstraintRow(std::string_view line, int number, ConstraintRow& row,
                       std::vector<std::string>& messages) {
    const ParsedRow parsed = ParseRow(line);
    if (parsed.error) {
        messages.push_back(*parsed.error);
        return false;
    }
    const std::string where = ConstraintWhere(number);
    const auto slots = TermsByNumber(parsed.terms, where, messages);
    if (!slots) {
        return false;
    }
    for (std::size_t k = 0; k < slots->size(); ++k) {
        const int variable = static_cast<int>(k + 1);
        row.AppendColumn(variable - 1, DecisionName(variable), CoefficientIn((*slots)[k]),
                         ZeroIn((*slots)[k]));
    }
    // The relation and the right-hand side follow the last term; a row without terms
    // takes both from the start of its own line.
    if (parsed.rest.empty()) {
        messages.push_back("Equality of " + where + " is missing" + kWrongFormat);
        return false;
    }
    row.relationText = parsed.rest[0];
    row.relation = RelationCodeOf(row.relationText);
    if (row.relation == kUnknownRelation) {
        messages.push_back("Equality \"" + QuotedToken(row.relationText) + "\" of " + where +
                           " is unknown" + kWrongFormat);
        return false;
    }
    if (parsed.rest.size() < 2) {
        messages.push_back("Right-hand side of " + where + " is missing" + kWrongFormat);
        return false;
    }
    const auto rhs = WholeNumber(parsed.rest[1]);
    if (!rhs) {
        messages.push_back("Right-hand side \"" + QuotedToken(parsed.rest[1]) + "\" of " + where +
                           " is unknown" + kWrongFormat);
        return false;
    }
    row.rhs = *rhs;
    return true;
}

// Counts the constraint blocks left from the cursor on, as the reading loop finds them.
std::size_t RemainingBlocks(LineCursor& cursor) {
    std::size_t count = 0;
    while (cursor.NextLine() && !cursor.OnlyWhiteSpaceLeft() && cursor.UpToHash() &&
           cursor.NextLine()) {
        ++count;
    }
    return count;
}

// One message for every row with a negative right-hand side: a file of thousands of them
// must not ask for thousands of OK clicks. One row keeps the plain message.
std::string NegativeRowsMessage(const std::vector<int>& rows) {
    std::string message = kNegativeRhs;
    if (rows.size() < 2) {
        return message;
    }
    constexpr std::size_t kListed = 10;
    message += "\nConstraints ";
    for (std::size_t i = 0; i < rows.size() && i < kListed; ++i) {
        message += (i == 0 ? "" : ", ") + std::to_string(rows[i]);
    }
    if (rows.size() > kListed) {
        message += " and " + std::to_string(rows.size() - kListed) + " more";
    }
    message += " (" + std::to_string(rows.size()) + " in all)";
    return message;
}

}  // namespace

ProblemFileReading ReadProblemText(std::string_view content) {
    ProblemFileReading reading;
    std::vector<std::string>& messages = reading.messages;
    if (LooksLikeUtf16(content)) {
        messages.push_back(kUtf16Message);
        return reading;
    }
    const std::string text = WithLfLineEnds(content);
    LineCursor cursor(text);
    ProblemFile file;

    const auto name = cursor.UpToHash();
    if (!name) {
        messages.push_back("Problem name is not followed by \"#\"" + kWrongFormat);
        return reading;
    }
    file.problemName = std::string(*name);
    const auto decimals = ReadHeaderInteger(cursor, "Number of decimal places", messages);
    if (!decimals) {
        return reading;
    }
    file.decimalPlaces = ClampDecimalPlaces(*decimals);
    const auto minimize = ReadHeaderInteger(cursor, "Minimize flag", messages);
    if (!minimize) {
        return reading;
    }
    file.minimize = *minimize != 0;
    cursor.NextLine();  // the empty line before the objective

    std::vector<int> negativeRows;
    int incomplete = 0;
    if (const auto objectiveLine = cursor.NextLine()) {
        if (!ReadObjective(*objectiveLine, file.problem.objective, messages)) {
            return reading;
        }
        for (int number = 1;; ++number) {
            // Each block opens with an empty line; after the last block only blank lines
            // may follow.
            if (!cursor.NextLine() || cursor.OnlyWhiteSpaceLeft()) {
                break;
            }
            const auto constraintName = cursor.UpToHash();
            const auto rowLine = constraintName ? cursor.NextLine() : std::nullopt;
            if (!rowLine) {
                incomplete = number;
                break;
            }
            if (number > kMaxConstraints) {
                messages.push_back(TooManyConstraintsMessage(static_cast<std::size_t>(number) +
                                                             RemainingBlocks(cursor)));
                return reading;
            }
            ConstraintRow row;
            if (!ReadConstraintRow(*rowLine, number, row, messages)) {
                return reading;
            }
            if (row.rhs < 0.0) {
                negativeRows.push_back(number);
            }
            file.problem.constraints.push_back(std::move(row));
            file.problem.constraintNames.emplace_back(*constraintName);
        }
    }
    if (!negativeRows.empty()) {
        messages.push_back(NegativeRowsMessage(negativeRows));
    }
    if (incomplete != 0) {
        messages.push_back("Constraint " + std::to_string(incomplete) +
                           " is incomplete and was not read" + kWrongFormat);
    }
    reading.file = std::move(file);
    return reading;
}

}  // namespace vantrell

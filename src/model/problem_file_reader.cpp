#include "model/problem_file_reader.h"

#include <cmath>

#include "model/number_text.h"
#include "model/row_parser.h"
#include "model/variable_names.h"

namespace vantrell {
namespace {

const std::string kWrongFormat = ": File must have the wrong format";

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

std::string WithoutCarriageReturns(std::string_view content) {
    std::string text;
    text.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i) {
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

// Reads one constraint row line into row; false, with the message added, when the file
// cannot be read on.
bool ReadConstraintRow(std::string_view line, ConstraintRow& row,
                       std::vector<std::string>& messages) {
    ParsedRow parsed = ParseRow(line);
    if (parsed.error) {
        messages.push_back(*parsed.error);
        return false;
    }
    for (const RowTerm& term : parsed.terms) {
        row.AppendColumn(term.number - 1, DecisionName(term.number), term.coefficient, term.zero);
    }
    // The relation and the right-hand side follow the last term; a row without terms
    // takes both from the start of its own line.
    row.relationText = !parsed.rest.empty() ? parsed.rest[0] : std::string();
    row.relation = RelationCodeOf(row.relationText);
    if (row.relation == kUnknownRelation) {
        messages.push_back("Equality is unknown" + kWrongFormat);
    }
    const std::string rhsText = parsed.rest.size() > 1 ? parsed.rest[1] : std::string();
    row.rhs = DecimalTextValue(rhsText);
    if (!std::isfinite(row.rhs)) {
        messages.push_back("Right-hand side \"" + QuotedToken(rhsText) + "\" is unknown" +
                           kWrongFormat);
        return false;
    }
    if (row.rhs < 0.0) {
        messages.push_back(
            "Constraints with RHS numbers less than zero are not allowed. Change file");
    }
    return true;
}

}  // namespace

ProblemFileReading ReadProblemText(std::string_view content) {
    ProblemFileReading reading;
    std::vector<std::string>& messages = reading.messages;
    const std::string text = WithoutCarriageReturns(content);
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

    if (const auto objectiveLine = cursor.NextLine()) {
        const ParsedRow objective = ParseRow(*objectiveLine);
        if (objective.error) {
            messages.push_back(*objective.error);
            return reading;
        }
        for (const RowTerm& term : objective.terms) {
            CostTerm cost;
            cost.id = term.number - 1;
            cost.name = DecisionName(term.number);
            cost.cost = term.coefficient;
            cost.zero = term.zero;
            file.problem.objective.push_back(cost);
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
                messages.push_back("Constraint " + std::to_string(number) +
                                   " is incomplete and was not read" + kWrongFormat);
                break;
            }
            ConstraintRow row;
            if (!ReadConstraintRow(*rowLine, row, messages)) {
                return reading;
            }
            file.problem.constraints.push_back(std::move(row));
            file.problem.constraintNames.emplace_back(*constraintName);
        }
    }
    reading.file = std::move(file);
    return reading;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/web_problem.h"

#include <array>

#include "commands/constraint_editing.h"
#include "commands/objective_editing.h"
#include "model/number_text.h"
#include "model/problem_limits.h"
#include "model/variable_names.h"

namespace vantrell::web {
namespace {

using json = nlohmann::ordered_json;

// The nine coefficient texts of a row in column form: empty where the row has no term.
json CoefficientTexts(const std::vector<std::int32_t>& ids, const std::vector<double>& values,
                      const std::vector<bool>& zeroMarks, int decimals) {
    json texts = json::array();
    for (int k = 0; k < kVariableItemCount; ++k) {
        texts.push_back("");
    }
    for (std::size_t j = 0; j < ids.size(); ++j) {
        if (ids[j] >= 0 && ids[j] < kVariableItemCount && !zeroMarks[j]) {
            texts[static_cast<std::size_t>(ids[j])] = FixedText(values[j], decimals);
        }
    }
    return texts;
}

// A form's text field, or the empty text when it is missing or not a text.
std::string TextOf(const nlohmann::json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

struct ReadTerms {
    std::array<std::optional<double>, kVariableItemCount> values;
    std::array<bool, kVariableItemCount> zero{};
    int used = 0;  // one past the highest variable given
};

// The coefficient texts of one row: every non-empty one must be a number.
std::optional<ReadTerms> ReadCoefficients(const nlohmann::json& texts, const std::string& where,
                                          std::vector<std::string>& messages) {
    ReadTerms terms;
    if (!texts.is_array()) {
        return terms;
    }
    for (std::size_t k = 0; k < texts.size() && k < kVariableItemCount; ++k) {
        const std::string text = texts[k].is_string() ? texts[k].get<std::string>() : "";
        if (text.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        const TypedNumber typed = ReadTypedNumber(text);
        if (!typed.value) {
            messages.push_back(where + ", X" + std::to_string(k + 1) + ": " + typed.message);
            return std::nullopt;
        }
        terms.values[k] = typed.value;
        terms.zero[k] = IsZeroText(text);
        terms.used = static_cast<int>(k) + 1;
    }
    return terms;
}

}  // namespace

json ProblemForm(const VantrellState& state) {
    const int decimals = state.mDecimalPlaces;
    std::vector<std::int32_t> ids;
    std::vector<double> costs;
    std::vector<bool> zeros;
    for (const CostTerm& term : state.mPrimal.objective) {
        ids.push_back(term.id);
        costs.push_back(term.cost);
        zeros.push_back(term.zero && term.cost == 0);
    }
    json form = {{"name", state.mProblemName},
                 {"minimize", state.mMinimize},
                 {"decimals", decimals},
                 {"objective", CoefficientTexts(ids, costs, zeros, decimals)},
                 {"constraints", json::array()}};
    for (std::size_t i = 0; i < state.mPrimal.constraints.size(); ++i) {
        const ConstraintRow& row = state.mPrimal.constraints[i];
        std::vector<bool> rowZeros;
        for (std::size_t j = 0; j < row.ColumnCount(); ++j) {
            rowZeros.push_back(row.zeroMarks[j] && row.coefficients[j] == 0);
        }
        form["constraints"].push_back(
            {{"name", i < state.mPrimal.constraintNames.size() ? state.mPrimal.constraintNames[i]
                                                               : std::string()},
             {"coefficients",
              CoefficientTexts(row.columnIds, row.coefficients, rowZeros, decimals)},
             {"relation", RelationSymbol(row.relation)},
             {"rhs", FixedText(row.rhs, decimals)}});
    }
    return form;
}

std::optional<ProblemFile> ProblemFromForm(const nlohmann::json& form,
                                           std::vector<std::string>& messages) {
    if (!form.is_object()) {
        messages.push_back("The problem is missing");
        return std::nullopt;
    }
    ProblemFile file;
    file.problemName = TextOf(form, "name");
    file.minimize = form.value("minimize", false);
    const auto decimals = form.find("decimals");
    file.decimalPlaces = ClampDecimalPlaces(
        decimals != form.end() && decimals->is_number_integer() ? decimals->get<long long>() : 3);
    const auto objective =
        ReadCoefficients(form.value("objective", nlohmann::json::array()), "Objective", messages);
    if (!objective) {
        return std::nullopt;
    }
    for (int k = 0; k < objective->used; ++k) {
        const auto index = static_cast<std::size_t>(k);
        if (!objective->values[index]) {
            file.problem.objective.push_back(MarkedZeroTerm(k));
            continue;
        }
        CostTerm term;
        term.id = k;
        term.name = DecisionName(k + 1);
        term.cost = *objective->values[index];
        term.zero = objective->zero[index];
        file.problem.objective.push_back(term);
    }
    const nlohmann::json rows = form.value("constraints", nlohmann::json::array());
    if (!rows.is_array() || rows.size() > static_cast<std::size_t>(kMaxConstraints)) {
        messages.push_back("A problem has at most " + std::to_string(kMaxConstraints) +
                           " constraints");
        return std::nullopt;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string where = "Constraint " + std::to_string(i + 1);
        if (!rows[i].is_object()) {
            messages.push_back(where + " is missing");
            return std::nullopt;
        }
        const auto terms = ReadCoefficients(rows[i].value("coefficients", nlohmann::json::array()),
                                            where, messages);
        if (!terms) {
            return std::nullopt;
        }
        ConstraintRow row;
        for (int k = 0; k < terms->used; ++k) {
            const auto index = static_cast<std::size_t>(k);
            if (terms->values[index]) {
                row.AppendColumn(k, DecisionName(k + 1), *terms->values[index], terms->zero[index]);
            } else {
                row.AppendMarkedZeroColumn(k);
            }
        }
        row.relationText = TextOf(rows[i], "relation");
        const auto relation = RelationItemIndex(row.relationText);
        if (!relation) {
            messages.push_back(where + ": the relation must be <=, = or >=");
            return std::nullopt;
        }
        row.relation = *relation;
        const TypedNumber rhs = ReadTypedNumber(TextOf(rows[i], "rhs"));
        if (!rhs.value) {
            messages.push_back(where + ", right-hand side: " + rhs.message);
            return std::nullopt;
        }
        row.rhs = *rhs.value;
        file.problem.constraints.push_back(std::move(row));
        file.problem.constraintNames.push_back(TextOf(rows[i], "name"));
    }
    return file;
}

namespace {
constexpr std::string_view kBase64Digits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}

std::string Base64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]))
                              << 16;
        const std::size_t left = bytes.size() - i;
        if (left > 1) {
            group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        }
        if (left > 2) {
            group |= static_cast<unsigned char>(bytes[i + 2]);
        }
        out += kBase64Digits[(group >> 18) & 63];
        out += kBase64Digits[(group >> 12) & 63];
        out += left > 1 ? kBase64Digits[(group >> 6) & 63] : '=';
        out += left > 2 ? kBase64Digits[group & 63] : '=';
    }
    return out;
}

std::optional<std::string> FromBase64(std::string_view text) {
    std::string out;
    std::uint32_t group = 0;
    int bits = 0;
    for (const char c : text) {
        if (c == '=') {
            break;
        }
        const std::size_t digit = kBase64Digits.find(c);
        if (digit == std::string_view::npos) {
            return std::nullopt;
        }
        group = (group << 6) | static_cast<std::uint32_t>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return out;
}

}  // namespace vantrell::web

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "model/problem_file_reader.h"
#include "model/vantrell_state.h"

namespace vantrell::web {

// The problem as the page's form holds it: name, sense, decimal count, the objective and
// each constraint as nine coefficient texts (X1..X9, an empty text is no term), relation
// and right-hand side.
nlohmann::ordered_json ProblemForm(const VantrellState& state);

// The form read back into a problem file, each number by the input windows' rules. Nothing
// when a field is refused: messages say which field and why.
std::optional<ProblemFile> ProblemFromForm(const nlohmann::json& form,
                                           std::vector<std::string>& messages);

// Bytes to base64 and back: files go to and from the page unchanged, whatever their bytes.
std::string Base64(std::string_view bytes);
std::optional<std::string> FromBase64(std::string_view text);

}  // namespace vantrell::web

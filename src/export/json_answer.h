// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "model/vantrell_state.h"

namespace vantrell {

// What the window told the user about each kept run: a refusal, the unbounded or
// page-limit box. Empty where the run ended at its last page without a box.
struct RunMessages {
    std::string primal;
    std::string dual;
};

// One document for tools: the problem, then the primal and the dual run, each with its
// outcome, message, exact optimum of the problem as stated, variable values and every
// page in exact numbers ("p/q" strings, {"m": ..., "c": ...} for values with an M part).
nlohmann::ordered_json SolveAnswer(const VantrellState& state, const RunMessages& messages);

}  // namespace vantrell

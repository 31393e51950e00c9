// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "model/vantrell_state.h"
#include "teach/exact_run.h"
#include "teach/step_notes.h"

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

// One exact run made outside the kept runs (what-if) as solve --json writes a run: its
// outcome, sense, optimum as stated, variable values, proof, and every page with its note.
nlohmann::ordered_json ExactRunJson(const ExactRun& run, const std::vector<std::string>& notes,
                                    const NoteNumbers& numbers);
// Every string and key of a document made valid UTF-8, as SolveAnswer's are.
void MakeJsonValidUtf8(nlohmann::ordered_json& document);

}  // namespace vantrell

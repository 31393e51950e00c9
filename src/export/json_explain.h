// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include "model/vantrell_state.h"
#include "teach/step_notes.h"

namespace vantrell {

// Adds what a run means to its JSON object: "note" on each page, "special" (a list) and
// "sensitivity" (null unless the run ended optimal) with "shadow_prices" and "rhs_ranges"
// by constraint name, "reduced_costs" and "cost_ranges" by variable name, ranges as
// [low, high] exact strings with "-inf"/"inf" for no end.
// Texts follow the display options; with the default display they are in fractions and
// M expressions, as the document's exact values are.
void AddRunExplanations(nlohmann::ordered_json& run, const VantrellState& state, bool dual);

// The numbers of the document's texts (notes, special cases, setup, stated lines).
NoteNumbers JsonNoteNumbers(const VantrellState& state);

}  // namespace vantrell

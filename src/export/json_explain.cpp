// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/json_explain.h"

#include "export/json_what_if.h"
#include "teach/duality.h"
#include "teach/run_explanation.h"

namespace vantrell {
namespace {

using json = nlohmann::ordered_json;

json Range(const ExactRange& range) {
    return json::array({range.low ? ExactString(*range.low) : "-inf",
                        range.high ? ExactString(*range.high) : "inf"});
}

json SensitivityJson(const Sensitivity& s) {
    json out = {{"shadow_prices", json::object()},
                {"rhs_ranges", json::object()},
                {"reduced_costs", json::object()},
                {"cost_ranges", json::object()},
                {"degenerate", s.degenerate}};
    for (const ConstraintSensitivity& c : s.constraints) {
        out["shadow_prices"][c.name] = ExactString(c.shadowPrice);
        out["rhs_ranges"][c.name] = Range(c.rhsRange);
    }
    for (const VariableSensitivity& v : s.variables) {
        out["reduced_costs"][v.name] = ExactString(v.reducedCost);
        out["cost_ranges"][v.name] = Range(v.costRange);
    }
    return out;
}

}  // namespace

NoteNumbers JsonNoteNumbers(const VantrellState& state) {
    NoteNumbers numbers = NoteNumbersOf(state);
    if (numbers.display.IsDefault()) {
        numbers.display = {NumberStyle::Fractions, BigMStyle::Expressions};
    }
    return numbers;
}

void AddRunExplanations(json& run, const VantrellState& state, bool dual) {
    const RunExplanation explanation = ExplainKeptRun(state, dual, JsonNoteNumbers(state));
    json& pages = run["pages"];
    for (std::size_t p = 0; p < pages.size() && p < explanation.notes.size(); ++p) {
        pages[p]["note"] = explanation.notes[p];
    }
    run["special"] = explanation.special;
    run["sensitivity"] =
        explanation.sensitivity ? SensitivityJson(*explanation.sensitivity) : json(nullptr);
    if (!dual) {
        const auto duality = KeptRunDuality(state);
        run["duality"] = duality ? DualityJson(*duality) : json(nullptr);
    }
}

}  // namespace vantrell

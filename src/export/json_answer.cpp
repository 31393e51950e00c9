// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/json_answer.h"

#include <algorithm>

#include "export/json_explain.h"
#include "export/json_point.h"
#include "model/text_encoding.h"
#include "teach/exact_run.h"
#include "teach/row_operations.h"
#include "teach/run_story.h"
#include "teach/scale_warning.h"

namespace vantrell {
namespace {

using json = nlohmann::ordered_json;

json Exact(const Rational& value) {
    return ExactString(value);
}

json Exact(const ExactMValue& value) {
    if (!value.hasM) {
        return ExactString(value.c);
    }
    return {{"m", ExactString(value.m)}, {"c", ExactString(value.c)}};
}

template <typename T>
json ExactList(const std::vector<T>& values) {
    json list = json::array();
    for (const T& value : values) {
        list.push_back(Exact(value));
    }
    return list;
}

json Terms(const std::vector<std::string>& names, const std::vector<double>& values) {
    json terms = json::object();
    for (std::size_t k = 0; k < names.size() && k < values.size(); ++k) {
        terms[names[k]] = Exact(ExactFromDouble(values[k]));
    }
    return terms;
}

json ProblemJson(const VantrellState& state) {
    std::vector<std::string> names;
    std::vector<double> costs;
    for (const CostTerm& term : state.mPrimal.objective) {
        names.push_back(term.name);
        costs.push_back(term.cost);
    }
    json constraints = json::array();
    for (std::size_t i = 0; i < state.mPrimal.constraints.size(); ++i) {
        const ConstraintRow& row = state.mPrimal.constraints[i];
        constraints.push_back(
            {{"name", i < state.mPrimal.constraintNames.size() ? state.mPrimal.constraintNames[i]
                                                               : std::string()},
             {"coefficients", Terms(row.columnNames, row.coefficients)},
             {"relation", RelationSymbol(row.relation)},
             {"rhs", Exact(ExactFromDouble(row.rhs))}});
    }
    return {{"name", state.mProblemName},
            {"sense", state.mMinimize ? "min" : "max"},
            {"objective", Terms(names, costs)},
            {"constraints", constraints}};
}

json NameOrNull(const std::vector<std::string>& names, int index) {
    return index < 0 ? json(nullptr) : json(names[static_cast<std::size_t>(index)]);
}

json PageJson(const ExactPage& page) {
    json ratios = json::array();
    for (const auto& ratio : page.ratios) {
        ratios.push_back(ratio ? Exact(*ratio) : json(nullptr));
    }
    json rows = json::array();
    for (const auto& row : page.cells) {
        rows.push_back(ExactList(row));
    }
    const bool pivots = page.entering >= 0 && page.leaving >= 0;
    json out = {{"columns", page.columnNames},
                {"cj", ExactList(page.cj)},
                {"basis", page.basisNames},
                {"cb", ExactList(page.cb)},
                {"entering", NameOrNull(page.columnNames, page.entering)},
                {"leaving", NameOrNull(page.basisNames, page.leaving)},
                {"pivot", pivots ? Exact(page.cells[static_cast<std::size_t>(page.leaving)]
                                                   [static_cast<std::size_t>(page.entering)])
                                 : json(nullptr)},
                {"rows", rows},
                {"bi", ExactList(page.bi)},
                {"ratios", ratios},
                {"zj", ExactList(page.zj)},
                {"cj_zj", ExactList(page.cjzj)},
                {"z", Exact(ExactMValue{page.z, page.zM, page.zM != 0})},
                {"notes", page.notes}};
    // Only the two-phase method's pages have a phase; big M's documents stay as they were.
    if (page.phase != 0) {
        out["phase"] = page.phase;
        out["drives_out"] = page.drivesOut;
    }
    return out;
}

const char* OutcomeKey(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::Optimal:
            return "optimal";
        case RunOutcome::Infeasible:
            return "infeasible";
        case RunOutcome::Unbounded:
            return "unbounded";
        case RunOutcome::Cycling:
            return "cycling";
        case RunOutcome::PageLimit:
            return "page_limit";
        case RunOutcome::TooLarge:
            return "too_large";
        case RunOutcome::Stopped:
            return "stopped";
        case RunOutcome::NotRun:
            break;
    }
    return "refused";
}

// The box the run raised, else the words of its last page.
std::string RunMessage(RunOutcome outcome, const std::string& shown) {
    if (!shown.empty() || outcome == RunOutcome::NotRun) {
        return shown;
    }
    if (outcome == RunOutcome::Optimal) {
        return "Optimal Solution Found";
    }
    return OutcomeSolutionText(outcome);
}

// The decimal run's optimum as the problem states it: the tableaus maximize, so a
// minimization (and the dual of a maximization) gives its value with the other sign.
json DecimalObjective(const VantrellState& state, bool dual) {
    const auto kept = KeptRun(state, dual);
    if (kept.outcome != RunOutcome::Optimal || kept.count <= 0) {
        return nullptr;
    }
    const double z =
        kept.pages[static_cast<std::size_t>(std::min(kept.count, kTableauPages) - 1)].mZ;
    return StatedSign(state.mMinimize, dual) * z;
}

json RunJson(const VantrellState& state, bool dual, const std::string& shown) {
    const auto kept = KeptRun(state, dual);
    const ExactRun* exact = KeptExactRun(state, dual);
    const NoteNumbers numbers = JsonNoteNumbers(state);
    // The exact run is the answer; the decimal run's outcome and value stand beside it.
    const RunOutcome outcome = exact != nullptr ? exact->outcome : kept.outcome;
    // An unbounded run's message says what it found, not the box's old words.
    const auto unbounded = exact != nullptr ? UnboundedLine(*exact) : std::nullopt;
    json run = {{"outcome", OutcomeKey(outcome)},
                {"message", unbounded ? *unbounded : RunMessage(kept.outcome, shown)},
                {"sense", StatedSign(state.mMinimize, dual) < 0 ? "min" : "max"},
                {"objective", nullptr},
                {"tableau_objective", nullptr},
                {"variables", json::object()},
                {"decimal_outcome", OutcomeKey(kept.outcome)},
                {"decimal_objective", DecimalObjective(state, dual)},
                {"agree", exact == nullptr || (exact->outcome == kept.outcome && !exact->parted)},
                {"certified", exact == nullptr || exact->certified},
                {"setup", SetupLines(state, dual, numbers)},
                {"pages", json::array()}};
    // Only a run of another method than big M names it; big M's documents stay as they were.
    if (kept.record.method != SolveMethod::BigM) {
        run["method"] = SolveMethodWord(kept.record.method);
    }
    if (const auto w = exact != nullptr ? PhaseOneW(*exact) : std::nullopt) {
        run["phase_one_w"] = Exact(*w);
    }
    if (dual) {
        run["objective_function"] = DualObjectiveLine(state, numbers);
        run["free_variables"] = FreeDualVariableLines(state.mPrimal);
    }
    if (exact == nullptr) {
        AddRunExplanations(run, state, dual);
        return run;
    }
    if (!exact->certified) {
        run["proof_fault"] = exact->proofFault;
        run["undecided"] = exact->undecided;
    }
    if (const auto optimum = StatedObjective(*exact); optimum && exact->certified) {
        run["objective"] = Exact(*optimum);
        run["tableau_objective"] = Exact(exact->pages.back().z);
        run["stated"] = *StatedOptimumLine(*exact, numbers);
        for (const auto& [name, value] : VariableValues(*exact)) {
            run["variables"][name] = Exact(value);
        }
    }
    for (std::size_t p = 0; p < exact->pages.size(); ++p) {
        const ExactPage& page = exact->pages[p];
        run["pages"].push_back(PageJson(page));
        run["pages"].back()["point"] = PagePointJson(*exact, page);
        run["pages"].back()["row_operations"] = RowOperationTexts(*exact, p, ExactString);
    }
    // The tableau that decides an unbounded run is its last page.
    if (exact->outcome == RunOutcome::Unbounded && exact->certified && exact->unboundedEnd &&
        exact->unboundedEnd->entering >= 0) {
        run["pages"].push_back(PageJson(*exact->unboundedEnd));
        run["pages"].back()["point"] = PagePointJson(*exact, *exact->unboundedEnd);
        run["pages"].back()["unbounded"] = true;
    }
    AddRunExplanations(run, state, dual);
    return run;
}

// JSON is UTF-8, but names and messages come from 8-bit problem files: every key and string
// is made valid UTF-8, or the writer would stop at the first stray byte.
// Every string and key in place, so that a long run's document is not held twice.
void MakeValidUtf8(json& value) {
    if (value.is_string()) {
        value = Utf8OrLatin1(value.get_ref<const std::string&>());
    } else if (value.is_array()) {
        for (json& item : value) {
            MakeValidUtf8(item);
        }
    } else if (value.is_object()) {
        bool keysValid = true;
        for (auto& [key, item] : value.items()) {
            keysValid = keysValid && Utf8OrLatin1(key) == key;
            MakeValidUtf8(item);
        }
        if (!keysValid) {
            json object = json::object();
            for (auto& [key, item] : value.items()) {
                object[Utf8OrLatin1(key)] = std::move(item);
            }
            value = std::move(object);
        }
    }
}

}  // namespace

json SolveAnswer(const VantrellState& state, const RunMessages& messages) {
    json answer = {{"problem", ProblemJson(state)}};
    if (const auto warning = ScaleWarning(state.mPrimal)) {
        answer["scale_warning"] = *warning;
    }
    answer["primal"] = RunJson(state, false, messages.primal);
    answer["dual"] = RunJson(state, true, messages.dual);
    const auto duality = StrongDualityLine(state, JsonNoteNumbers(state));
    answer["strong_duality"] = duality ? json(*duality) : json(nullptr);
    MakeValidUtf8(answer);
    return answer;
}

json ExactRunJson(const ExactRun& run, const std::vector<std::string>& notes,
                  const NoteNumbers& numbers) {
    json out = {{"outcome", OutcomeKey(run.outcome)},
                {"sense", StatedSign(run) < 0 ? "min" : "max"},
                {"objective", nullptr},
                {"variables", json::object()},
                {"certified", run.certified},
                {"pages", json::array()}};
    if (!run.certified) {
        out["proof_fault"] = run.proofFault;
    }
    if (const auto optimum = StatedObjective(run); optimum && run.certified) {
        out["objective"] = Exact(*optimum);
        out["stated"] = *StatedOptimumLine(run, numbers);
        for (const auto& [name, value] : VariableValues(run)) {
            out["variables"][name] = Exact(value);
        }
    }
    for (std::size_t p = 0; p < run.pages.size(); ++p) {
        out["pages"].push_back(PageJson(run.pages[p]));
        if (p < notes.size()) {
            out["pages"].back()["note"] = notes[p];
        }
    }
    if (run.unboundedEnd) {
        out["pages"].push_back(PageJson(*run.unboundedEnd));
        out["pages"].back()["unbounded"] = true;
        if (run.pages.size() < notes.size()) {
            out["pages"].back()["note"] = notes[run.pages.size()];
        }
    }
    return out;
}

void MakeJsonValidUtf8(json& document) {
    MakeValidUtf8(document);
}

}  // namespace vantrell

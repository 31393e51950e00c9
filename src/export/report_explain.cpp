// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/report_explain.h"

#include <algorithm>

#include "teach/duality.h"
#include "teach/exact_page_text.h"
#include "teach/run_explanation.h"
#include "teach/run_story.h"

namespace vantrell {
namespace {

constexpr const char* kIndent = "    ";

// Columns left-aligned to their widest cell, each followed by two blanks.
std::string TableText(const SensitivityTable& table) {
    std::vector<std::size_t> widths;
    for (const auto& line : table) {
        widths.resize(std::max(widths.size(), line.size()), 0);
        for (std::size_t k = 0; k < line.size(); ++k) {
            widths[k] = std::max(widths[k], line[k].size());
        }
    }
    std::string text;
    for (const auto& line : table) {
        std::string row = kIndent;
        for (std::size_t k = 0; k < line.size(); ++k) {
            row += line[k] + std::string(widths[k] - line[k].size() + 2, ' ');
        }
        row.erase(row.find_last_not_of(' ') + 1);
        text += row + "\n";
    }
    return text;
}

}  // namespace

std::string ReportPageNote(const std::vector<std::string>& notes, std::size_t index) {
    return index < notes.size() && !notes[index].empty() ? "Step: " + notes[index] + "\n"
                                                         : std::string();
}

std::vector<std::string> ReportNotes(const VantrellState& state, bool dual) {
    return state.mExplain ? ExplainKeptRun(state, dual).notes : std::vector<std::string>{};
}

std::string ReportRunExplanation(const VantrellState& state, bool dual) {
    if (!state.mExplain) {
        return {};
    }
    const RunExplanation explanation = ExplainKeptRun(state, dual);
    std::string text;
    const std::vector<std::string>& practice = KeptRun(state, dual).record.practice;
    if (!practice.empty()) {
        text += "\nPractice:\n";
        for (const std::string& line : practice) {
            text += kIndent + line + "\n";
        }
    }
    text += "\nSpecial Cases:\n";
    for (const std::string& special : explanation.special) {
        text += kIndent + special + "\n";
    }
    if (explanation.special.empty()) {
        text += std::string(kIndent) + "None\n";
    }
    text += "\nSensitivity:\n";
    if (!explanation.sensitivity) {
        // Only a problem with artificial variables can end with one in the basis.
        const ExactRun* run = KeptExactRun(state, dual);
        text += std::string(kIndent) +
                (run != nullptr && run->outcome == RunOutcome::Optimal
                     ? "None: the run did not end at an optimum with every artificial variable "
                       "out of the basis\n"
                     : "None: the run did not end at an optimum\n");
        return text;
    }
    const NoteNumbers numbers = NoteNumbersOf(state);
    text += TableText(ConstraintTable(*explanation.sensitivity, numbers)) + "\n";
    text += TableText(VariableTable(*explanation.sensitivity, numbers));
    if (explanation.sensitivity->degenerate) {
        text +=
            std::string(kIndent) + "The optimum is degenerate: the ranges belong to this basis.\n";
    }
    if (const auto duality = dual ? std::nullopt : KeptRunDuality(state)) {
        text += "\nDuality:\n";
        for (const std::string& line : DualityLines(*duality, numbers)) {
            text += kIndent + line + "\n";
        }
    }
    return text;
}

std::string ReportSetup(const VantrellState& state, bool dual) {
    if (!state.mExplain) {
        return {};
    }
    std::string text = dual ? "\nDual Setup:\n" : "\nPrimal Setup:\n";
    for (const std::string& line : SetupLines(state, dual, NoteNumbersOf(state))) {
        text += kIndent + line + "\n";
    }
    return text;
}

std::string ReportDecidingPage(const VantrellState& state, bool dual, const char* kind,
                               int number) {
    const ExactRun* run = state.mExplain ? KeptExactRun(state, dual) : nullptr;
    const auto deciding = DecidingPage(run, number - 1, state.mDisplay, state.mDecimalPlaces);
    if (!deciding) {
        return {};
    }
    std::string text = "\n\n" + std::string(kind) + " Tableau #" + std::to_string(number) +
                       PhaseSuffix(deciding->mPhase) + "\n";
    for (const std::string& line : deciding->Lines()) {
        text += "\n" + line;
    }
    text += "\n\n" + deciding->mEntering +
            ": Enters, no row leaves: no entry of its column is positive\n";
    return text + ReportPageNote(ReportNotes(state, dual), static_cast<std::size_t>(number - 1));
}

std::string ReportStatedLine(const VantrellState& state, bool dual) {
    const ExactRun* run = state.mExplain ? KeptExactRun(state, dual) : nullptr;
    if (run == nullptr) {
        return {};
    }
    auto line = StatedOptimumLine(*run, NoteNumbersOf(state));
    if (!line) {
        line = UnboundedLine(*run);
    }
    return line ? kIndent + *line + "\n" : std::string();
}

std::string ReportDualObjective(const VantrellState& state) {
    if (!state.mExplain || state.mDual.objective.empty()) {
        return {};
    }
    return "\nDual Objective: " + DualObjectiveLine(state, NoteNumbersOf(state)) + "\n";
}

std::string ReportStrongDuality(const VantrellState& state) {
    const auto line =
        state.mExplain ? StrongDualityLine(state, NoteNumbersOf(state)) : std::nullopt;
    return line ? "\n" + *line + "\n" : std::string();
}

}  // namespace vantrell

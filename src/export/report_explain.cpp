// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/report_explain.h"

#include <algorithm>

#include "teach/run_explanation.h"

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
        text += std::string(kIndent) +
                "None: the run did not end at an optimum with every artificial variable out of "
                "the basis\n";
        return text;
    }
    const NoteNumbers numbers = NoteNumbersOf(state);
    text += TableText(ConstraintTable(*explanation.sensitivity, numbers)) + "\n";
    text += TableText(VariableTable(*explanation.sensitivity, numbers));
    if (explanation.sensitivity->degenerate) {
        text +=
            std::string(kIndent) + "The optimum is degenerate: the ranges belong to this basis.\n";
    }
    return text;
}

}  // namespace vantrell

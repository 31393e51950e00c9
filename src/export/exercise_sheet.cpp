// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/exercise_sheet.h"

#include "export/latex_document.h"
#include "teach/special_cases.h"

namespace vantrell {
namespace {

constexpr const char* kPreamble =
    "\\documentclass[10pt]{article}\n"
    "\\usepackage[a4paper,landscape,margin=1.5cm]{geometry}\n"
    "\\usepackage{amsmath}\n"
    "\\setlength{\\parindent}{0pt}\n"
    "\\begin{document}\n";

std::string Heading(std::size_t number, const SheetExercise& exercise) {
    return "Exercise " + std::to_string(number + 1) + " (" + exercise.kind + ", seed " +
           std::to_string(exercise.seed) + ")";
}

std::string Exercises(const std::vector<SheetExercise>& exercises) {
    std::string text;
    for (std::size_t e = 0; e < exercises.size(); ++e) {
        const VantrellState& state = *exercises[e].state;
        text += (e == 0 ? "" : "\\clearpage\n") + std::string("\\section*{") +
                Heading(e, exercises[e]) + "}\n" + LatexProblemPart(state, false) +
                "\nSolve the problem with the big-M tableau method. Fill in one tableau per "
                "pivot and say how the run ends.\n\n";
        const ExactRun* run = KeptExactRun(state, false);
        if (run == nullptr) {
            continue;
        }
        for (std::size_t p = 0; p < run->pages.size(); ++p) {
            text += LatexBlankTableauPart(state, run->pages[p], static_cast<int>(p + 1));
        }
    }
    return text;
}

std::string Key(const std::vector<SheetExercise>& exercises) {
    std::string text;
    for (std::size_t e = 0; e < exercises.size(); ++e) {
        const VantrellState& state = *exercises[e].state;
        text += (e == 0 ? "" : "\\clearpage\n") + std::string("\\section*{Key to ") +
                Heading(e, exercises[e]) + "}\n";
        const ExactRun* run = KeptExactRun(state, false);
        if (run == nullptr) {
            text += "The problem could not be solved.\n\n";
            continue;
        }
        for (std::size_t p = 0; p < run->pages.size(); ++p) {
            text += LatexTableauPart(state, run->pages[p], static_cast<int>(p + 1));
        }
        text += LatexSolutionPart(state, *run);
        const std::vector<std::string> cases = KeptRunSpecialCases(state, false);
        text += "\\subsection*{Special cases}\n";
        if (cases.empty()) {
            text += "None.\n\n";
        }
        for (const std::string& line : cases) {
            text += LatexEscaped(line) + "\n\n";
        }
    }
    return text;
}

}  // namespace

std::string BuildExerciseSheet(const std::vector<SheetExercise>& exercises, std::uint64_t seed,
                               bool withKey) {
    std::string text = kPreamble;
    text += "\\section*{Exercise sheet " + std::to_string(seed) + "}\n";
    text += Exercises(exercises);
    if (withKey) {
        text += "\\clearpage\n" + Key(exercises);
    }
    return text + "\\end{document}\n";
}

std::string BuildExerciseKey(const std::vector<SheetExercise>& exercises, std::uint64_t seed) {
    return std::string(kPreamble) + "\\noindent Answer key to exercise sheet " +
           std::to_string(seed) + "\n\n" + Key(exercises) + "\\end{document}\n";
}

}  // namespace vantrell

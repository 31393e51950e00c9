// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "model/vantrell_state.h"
#include "teach/exact_run.h"

namespace vantrell {

// A standalone LaTeX document of the kept primal (or dual) run for pdflatex with Debian's
// texlive-latex-base alone: the problem as equations, one table per tableau with the
// pivot cell boxed and the entering column and leaving row marked by arrows, and the
// solution. Numbers follow the display options (fractions as \frac, M in math mode).
std::string BuildLatexDocument(const VantrellState& state, bool dual);

// Why the names of the problem cannot go into a LaTeX document: one holds a character past
// the accented Latin letters and Greek, which LatexEscaped would print as "?". Nothing when
// every name prints.
std::optional<std::string> LatexRefusal(const VantrellState& state);

// Text with LaTeX's special characters written so that they print as themselves. Bytes
// that are not UTF-8 are read as Latin-1; control characters become blanks; accented
// Latin letters up to U+017F stay (the document then loads inputenc and the T1 fonts),
// Greek letters go to math mode, and any other character prints as "?".
std::string LatexEscaped(const std::string& text);

// Parts of the document for the exercise sheet, headed as subsections: the kept primal (or
// dual) problem as equations; one tableau, filled in; the same tableau with only its Cj and
// column names, for the student to fill in; and the run's solution.
std::string LatexProblemPart(const VantrellState& state, bool dual);
std::string LatexTableauPart(const VantrellState& state, const ExactPage& page, int number);
std::string LatexBlankTableauPart(const VantrellState& state, const ExactPage& page, int number);
std::string LatexSolutionPart(const VantrellState& state, const ExactRun& run);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/vantrell_state.h"

namespace vantrell {

// A standalone LaTeX document of the kept primal (or dual) run for pdflatex with Debian's
// texlive-latex-base alone: the problem as equations, one table per tableau with the
// pivot cell boxed and the entering column and leaving row marked by arrows, and the
// solution. Numbers follow the display options (fractions as \frac, M in math mode).
std::string BuildLatexDocument(const VantrellState& state, bool dual);

// Text with LaTeX's special characters written so that they print as themselves.
std::string LatexEscaped(const std::string& text);

}  // namespace vantrell

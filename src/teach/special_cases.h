// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/vantrell_state.h"
#include "teach/exact_run.h"
#include "teach/step_notes.h"

namespace vantrell {

// The special cases of a run, one sentence each: alternative optima (with the second
// optimal solution one pivot away), a degenerate optimum, degenerate steps, an unbounded
// direction, the artificial variable that keeps a problem infeasible, and the page whose
// basis repeats an earlier one. problem is the problem the run solved, as stated.
std::vector<std::string> SpecialCases(const ExactRun& run, const std::optional<ExactPage>& stopped,
                                      const ProblemSet& problem, const NoteNumbers& numbers);

// What every view says instead of an answer that failed its proof check.
std::string UncertifiedLine(const ExactRun& run);

// Whether the optimum has a second, different optimal point one pivot away: a column
// outside the basis enters at no cost with a positive step. The exercise generator keeps
// its promise of alternative optima by it.
bool HasAlternativeOptimum(const ExactRun& run);
// The first page whose basis (as a set) came before, and that earlier page, from 0.
struct RepeatedBasis {
    std::size_t page = 0;
    std::size_t earlier = 0;
};
std::optional<RepeatedBasis> FirstRepeatedBasis(const ExactRun& run);

// Whether some tableau of the run has a basic variable at zero.
bool HasDegenerateTableau(const ExactRun& run);

// The special cases of the kept primal or dual run.
std::vector<std::string> KeptRunSpecialCases(const VantrellState& state, bool dual);

}  // namespace vantrell

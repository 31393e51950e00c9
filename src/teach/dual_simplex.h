// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/problem.h"
#include "teach/exact_arithmetic.h"
#include "teach/exact_run.h"
#include "teach/step_notes.h"

namespace vantrell {

// A run of the dual simplex method: its pages as any run's, and its own note per page
// (the primal notes would name the wrong rules).
struct DualSimplexRun {
    ExactRun run;
    std::vector<std::string> notes;
    // The tableau the run ended at, to go on from (what-if changes the costs after it).
    ExactTableau last;
};

// The note of a page of a dual simplex run: its pivot ("S2 leaves: its Bi, -3, is the most
// negative. X1 enters: ..."), the row that shows the problem infeasible, or the optimum.
std::string DualSimplexNote(const ExactRun& run, const ExactPage& page, const NoteNumbers& numbers);

// Why the dual simplex method cannot start from t: the first column whose Cj-Zj is above 0;
// nothing when every Cj-Zj is at most 0 (the tableau is dual feasible).
std::optional<std::string> DualSimplexRefusal(const ExactTableau& t, const NoteNumbers& numbers);

// The dual simplex method from the dual feasible tableau t: the most negative Bi leaves,
// the column with the smallest |Cj-Zj / a_rj| over the row's negative entries enters, until
// no Bi is negative (optimal) or the leaving row has no negative entry (infeasible). The
// run is not certified here: its caller knows the problem it belongs to.
DualSimplexRun ContinueDualSimplex(ExactTableau t, bool dual, bool minimize,
                                   const NoteNumbers& numbers);

// Whether the infeasible run's last page proves it: its leaving row, read as a combination
// y of the rows of start (the starting basis's columns are unit columns there), has
// y A >= 0 over every column but the artificial ones and y b < 0, so no x >= 0 meets A x = b.
// Sets run.certified and run.proofFault.
void CertifyNoSolutionRow(ExactRun& run, const ExactTableau& start);

// The dual simplex method as a method of its own: every row gets a slack (a >= row is
// multiplied by -1 first, a negative right-hand side stays), the costs are maximized (a
// minimization's negated). Refused, with the reason and the methods that serve instead,
// when a row is an equation or the starting basis is not dual feasible.
struct DualSimplexMethodRun {
    std::optional<std::string> refusal;
    DualSimplexRun run;
    // The first tableau's rows and basis, as the method wrote them.
    ProblemSet work;
    std::vector<CostTerm> basis;
};
DualSimplexMethodRun RunDualSimplexMethod(const ProblemSet& stated, bool minimize,
                                          const NoteNumbers& numbers);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/run_outcome.h"
#include "model/solve_method.h"
#include "model/stated_sense.h"
#include "model/vantrell_state.h"
#include "teach/exact_number.h"

namespace vantrell {

// One tableau of the exact run, laid out as a decimal page is.
struct ExactPage {
    std::vector<std::string> columnNames;
    std::vector<ExactMValue> cj;
    std::vector<std::string> basisNames;
    std::vector<ExactMValue> cb;
    std::vector<std::vector<Rational>> cells;
    std::vector<Rational> bi;
    std::vector<std::optional<Rational>> ratios;  // nothing where the page shows "-"
    std::vector<ExactMValue> zj;
    std::vector<ExactMValue> cjzj;
    Rational z;
    Rational zM;        // the M part of Z while artificial variables are basic at a positive level
    int entering = -1;  // the exact run's column and row, -1 where it has none
    int leaving = -1;
    PivotRule rule = PivotRule::LargestCjZj;
    // The two-phase method's phase (1 or 2); 0 for a method without phases.
    int phase = 0;
    // The pivot drives a basic artificial variable at 0 out of the basis (between the
    // phases): its column is any nonzero entry of the row, not a rule's choice.
    bool drivesOut = false;
    // Where the decimal run, rounding, chose otherwise than the exact run does here.
    std::vector<std::string> notes;
};

// A run in exact numbers. It follows the same rules as the decimal run, so that every page
// is a real tableau of the problem; where round-off makes the decimal run choose otherwise,
// the page where they part says so and the exact run goes its own way.
struct ExactRun {
    SolveMethod method = SolveMethod::BigM;
    bool dual = false;
    bool minimize = false;
    RunOutcome outcome = RunOutcome::NotRun;
    std::vector<ExactPage> pages;
    std::vector<std::string> variableNames;  // the problem's own columns, in order
    std::vector<CostTerm> objective;         // the standard form's columns with their costs
    // Two-phase: the costs of Phase I's pages, and the artificial variables whose rows the
    // pass found redundant.
    std::vector<CostTerm> phaseOneObjective;
    std::vector<std::string> redundantRows;
    // Two-phase, optimal: the last tableau with the artificial columns Phase II carries
    // unseen, priced as big M prices them. Its artificial and slack columns hold B^-1.
    std::optional<ExactPage> wholeFinal;
    // An unbounded run stops after its last page's pivot, before a page of its own: that
    // tableau, its entering column the one that can grow without end.
    std::optional<ExactPage> unboundedEnd;
    // Whether the decimal run chose otherwise than this run at some page.
    bool parted = false;
    // Whether the answer passed its proof check; proofFault says what failed when not.
    bool certified = true;
    bool undecided = false;  // unbounded or infeasible: big M stopped before it could tell
    std::string proofFault;
};

// The exact run of the standard form (work and basis as BuildStandardForm leaves them),
// by the rule, to its end or the page limit.
ExactRun RunExact(const ProblemSet& work, const std::vector<CostTerm>& basis, PivotRule rule,
                  bool dual, bool minimize);

// The exact run of a run's standard form, made on first use. Once the decimal run has
// ended it is told, so that the page where the two part can say so.
class LazyExactRun : public ExactRunSource {
  public:
    LazyExactRun(ProblemSet work, std::vector<CostTerm> basis, PivotRule rule, bool dual,
                 bool minimize);
    const ExactRun& Run() override;
    void DecimalRunEnded(const PageStore& pages, int count, RunOutcome outcome);

  private:
    ProblemSet mWork;
    std::vector<CostTerm> mBasis;
    PivotRule mRule;
    bool mDual;
    bool mMinimize;
    std::optional<ExactRun> mRun;
    // The decimal run's pages, shared with the store that made them.
    PageStore mDecimalPages;
    int mDecimalCount = -1;
    RunOutcome mDecimalOutcome = RunOutcome::NotRun;
};

// W, the sum of the artificial variables, where a two-phase run's Phase I ended (its last
// page maximizes -W); nothing for a run without a Phase I or cut before its end.
std::optional<Rational> PhaseOneW(const ExactRun& run);

// The run's final tableau with every column of its standard form: what sensitivity and the
// dual values read.
const ExactPage& FinalTableauPage(const ExactRun& run);

// The costs of the columns of page index: Phase I's on its pages, the run's elsewhere.
const std::vector<CostTerm>& PageObjective(const ExactRun& run, std::size_t index);

// A run made whole before its pages are shown (the methods that run in exact numbers only).
class MadeExactRun : public ExactRunSource {
  public:
    explicit MadeExactRun(ExactRun run) : mRun(std::move(run)) {}
    const ExactRun& Run() override { return mRun; }

  private:
    ExactRun mRun;
};

// Page before with entering as its column: the ratio test of that column by the page's rule,
// as if the rule had chosen it (a tie the student broke the other way).
ExactPage WithEnteringColumn(const std::vector<CostTerm>& objective, const ExactPage& before,
                             int entering);
// The tableau that pivoting page before on (leaving, entering) makes, before its own choices.
// objective is the run's (ExactRun::objective): the costs of the columns.
ExactPage PivotedExactPage(const std::vector<CostTerm>& objective, const ExactPage& before,
                           int entering, int leaving);

// Notes the first page where the decimal run's pages (count of them, ended with outcome)
// choose otherwise than the exact run.
void NoteWhereRunsPart(ExactRun& run, const PageStore& pages, int count, RunOutcome outcome);

// The notes of page index where the decimal run parts from the exact run (none elsewhere,
// or without a run).
std::vector<std::string> PartingNotes(const ExactRun* run, std::size_t index);

// The exact run kept with the primal (or dual) run; null before any run of that side.
const ExactRun* KeptExactRun(const VantrellState& state, bool dual);
// The exact run of the run in mPages, the one being made or the last made.
const ExactRun* CurrentExactRun(const VantrellState& state);
// The current run cut at page count as the decimal run has reached it: mid-run there is no
// outcome yet, and the pages explain their pivots and nothing more.
ExactRun ExactRunSoFar(const ExactRun& run, int count, bool finished);

// The stated sign of the run's side (model/stated_sense.h).
inline int StatedSign(const ExactRun& run) {
    return StatedSign(run.minimize, run.dual);
}

// The optimum of the problem as it is stated (a minimization gives its minimum, the dual
// the optimum of the dual as written); nothing unless the run ended optimal.
std::optional<Rational> StatedObjective(const ExactRun& run);
// Value of each of the problem's own variables at the run's last page.
std::vector<std::pair<std::string, Rational>> VariableValues(const ExactRun& run);

}  // namespace vantrell

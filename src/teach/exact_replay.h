// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/run_outcome.h"
#include "model/vantrell_state.h"
#include "teach/exact_number.h"

namespace vantrell {

// One tableau of a run in exact numbers, laid out as the float page is.
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
    int entering = -1;  // the float run's column and row, -1 where it had none
    int leaving = -1;
    PivotRule rule = PivotRule::LargestCjZj;  // the rule that chose, as the page records it
    // Where an exact sign test would have chosen otherwise than the float run did.
    std::vector<std::string> notes;
};

struct ExactRun {
    bool dual = false;
    bool minimize = false;
    RunOutcome outcome = RunOutcome::NotRun;
    std::vector<ExactPage> pages;
    std::vector<std::string> variableNames;  // the problem's own columns, in order
    bool complete = true;                    // false when round-off pivoted on an exact zero
    // An unbounded run stops after its last page's pivot, before a page of its own: that
    // tableau, its entering column the one that can grow without end.
    std::optional<ExactPage> unboundedEnd;
};

// Replays the float run's pages in exact arithmetic: the start is the problem's standard
// form, and every pivot is the one the page records. Nothing when the pages do not belong
// to the problem as it stands (edited since the run) or the run was refused.
std::optional<ExactRun> ReplayPages(const VantrellState& state, bool dual, const PageStore& pages,
                                    int count, RunOutcome outcome);
// The outcome the current run's pages are replayed with: mid-run there is none yet, and any
// finished one lets the replay read the pages.
inline RunOutcome OutcomeSoFar(const VantrellState& state) {
    return state.mDone ? state.mRunOutcome : RunOutcome::PageLimit;
}

// A run replayed while it is being made: each Read replays only the pages added since the
// last one, so a window that explains every new page does not replay the run from its
// start each time. A shorter or other run starts the replay over.
class LiveReplay {
  public:
    LiveReplay();
    ~LiveReplay();
    LiveReplay(const LiveReplay&) = delete;
    LiveReplay& operator=(const LiveReplay&) = delete;

    // What ReplayPages gives for the state's current run, mPages up to mTableauCount, with
    // the outcome given; nothing (null) where it gives nothing. Valid until the next Read.
    const ExactRun* Read(const VantrellState& state, RunOutcome outcome);

  private:
    struct Progress;
    std::unique_ptr<Progress> mProgress;
};

// The tableau an unbounded run computed after its last kept page but did not show: its
// entering column is the one no row limits (its ratios all empty). Nothing for any other
// run, or when the pages cannot be replayed.
std::optional<ExactPage> ReplayStoppedPage(const VantrellState& state, bool dual,
                                           const PageStore& pages, int count, RunOutcome outcome);

// The kept primal or dual run.
std::optional<ExactRun> ReplayKeptRun(const VantrellState& state, bool dual);

// The optimum of the problem as it is stated (a minimization gives its minimum, the dual
// the optimum of the dual as written); nothing unless the run ended optimal.
std::optional<Rational> StatedObjective(const ExactRun& run);
// Value of each of the problem's own variables at the run's last page.
std::vector<std::pair<std::string, Rational>> VariableValues(const ExactRun& run);

}  // namespace vantrell

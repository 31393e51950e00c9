// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/exact_replay.h"

#include <algorithm>

#include "model/variable_names.h"
#include "simplex/standard_form.h"

namespace vantrell {
namespace {

// The tableau between pages: the standard form read exactly, then pivoted.
struct ExactTableau {
    std::vector<CostTerm> objective;
    std::vector<ExactMValue> cj;
    std::vector<std::string> columnNames;
    std::vector<std::vector<Rational>> a;
    std::vector<std::vector<bool>> zeroMarks;
    std::vector<Rational> b;
    std::vector<CostTerm> basis;
};

ExactTableau FromStandardForm(const ProblemSet& work, const std::vector<CostTerm>& basis) {
    ExactTableau t;
    t.objective = work.objective;
    for (const CostTerm& term : work.objective) {
        t.cj.push_back(ExactCost(term));
    }
    t.columnNames = work.constraints.front().columnNames;
    for (const ConstraintRow& row : work.constraints) {
        std::vector<Rational> cells;
        for (const double coefficient : row.coefficients) {
            cells.push_back(ExactFromDouble(coefficient));
        }
        t.a.push_back(std::move(cells));
        t.zeroMarks.push_back(row.zeroMarks);
        t.b.push_back(ExactFromDouble(row.rhs));
    }
    t.basis = basis;
    return t;
}

void ComputeExactReducedCosts(const ExactTableau& t, ExactPage& page) {
    for (std::size_t k = 0; k < t.cj.size(); ++k) {
        ExactMValue zj;
        for (std::size_t r = 0; r < t.a.size(); ++r) {
            const ExactMValue cb = ExactCost(t.basis[r]);
            zj.c += t.a[r][k] * cb.c;
            if (cb.hasM) {
                zj.hasM = true;
                zj.m += t.a[r][k] * cb.m;
            }
        }
        ExactMValue reduced{t.cj[k].c - zj.c, 0, t.cj[k].hasM || zj.hasM};
        if (reduced.hasM) {
            reduced.m = t.cj[k].m - zj.m;
        }
        page.zj.push_back(zj);
        page.cjzj.push_back(reduced);
    }
}

// The objective from constant parts, by the first row whose basic variable has the id.
Rational ExactObjective(const ExactTableau& t) {
    Rational z;
    for (std::size_t k = 0; k < t.objective.size(); ++k) {
        for (std::size_t r = 0; r < t.basis.size(); ++r) {
            if (t.basis[r].id == t.objective[k].id) {
                z += t.cj[k].c * t.b[r];
                break;
            }
        }
    }
    return z;
}

bool Improves(const ExactMValue& value) {
    return value.m > 0 || (value.m == 0 && value.c > 0);
}

// The entering rule of the float run with exact sign tests.
int ExactEntering(const ExactTableau& t, const std::vector<ExactMValue>& cjzj, PivotRule rule) {
    int chosen = -1;
    if (rule == PivotRule::SmallestIndex) {
        for (std::size_t k = 0; k < cjzj.size(); ++k) {
            const ExactMValue& v = cjzj[k];
            if (t.objective[k].id != kArtificialId && (v.hasM ? Improves(v) : v.c > 0)) {
                return static_cast<int>(k);
            }
        }
        return -1;
    }
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        const ExactMValue& v = cjzj[k];
        if (t.objective[k].id == kArtificialId || !v.hasM || !Improves(v)) {
            continue;
        }
        const auto c = static_cast<std::size_t>(chosen);
        if (chosen == -1 || v.m > cjzj[c].m || (v.m == cjzj[c].m && v.c > cjzj[c].c)) {
            chosen = static_cast<int>(k);
        }
    }
    if (chosen != -1) {
        return chosen;
    }
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        const ExactMValue& v = cjzj[k];
        if (t.objective[k].id == kArtificialId || v.hasM || v.c <= 0) {
            continue;
        }
        if (chosen == -1 || v.c > cjzj[static_cast<std::size_t>(chosen)].c) {
            chosen = static_cast<int>(k);
        }
    }
    return chosen;
}

bool ExactInfeasible(const ExactTableau& t, const std::vector<ExactMValue>& cjzj) {
    bool artificialPositive = false;
    for (std::size_t r = 0; r < t.basis.size(); ++r) {
        artificialPositive = artificialPositive || (t.basis[r].id == kArtificialId && t.b[r] > 0);
    }
    if (!artificialPositive) {
        return false;
    }
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        if (t.objective[k].id != kArtificialId && cjzj[k].hasM && cjzj[k].m > 0) {
            return false;
        }
    }
    return true;
}

int ColumnNamed(const ExactTableau& t, const std::string& name) {
    const auto it = std::find(t.columnNames.begin(), t.columnNames.end(), name);
    return it == t.columnNames.end() ? -1 : static_cast<int>(it - t.columnNames.begin());
}

// Whether row i's basic variable breaks a ratio tie against the row chosen so far.
bool WinsTie(const ExactTableau& t, PivotRule rule, std::size_t i, int chosen) {
    return rule == PivotRule::SmallestIndex &&
           ColumnNamed(t, t.basis[i].name) <
               ColumnNamed(t, t.basis[static_cast<std::size_t>(chosen)].name);
}

// Fills the page's ratios for the column; returns the row with the least one, ties broken
// by the rule: the first row, or the leftmost basic variable.
int ExactRatios(const ExactTableau& t, int entering, ExactPage& page) {
    const auto j = static_cast<std::size_t>(entering);
    int leaving = -1;
    for (std::size_t i = 0; i < t.a.size(); ++i) {
        if (t.zeroMarks[i][j] || t.a[i][j] <= 0) {
            continue;
        }
        const Rational ratio = t.b[i] / t.a[i][j];
        page.ratios[i] = ratio;
        if (ratio < 0) {
            continue;
        }
        const auto best =
            leaving == -1 ? std::nullopt : page.ratios[static_cast<std::size_t>(leaving)];
        if (!best || ratio < *best || (ratio == *best && WinsTie(t, page.rule, i, leaving))) {
            leaving = static_cast<int>(i);
        }
    }
    return leaving;
}

void FlipRow(ExactTableau& t, std::size_t i) {
    t.b[i] = -t.b[i];
    for (Rational& cell : t.a[i]) {
        cell = -cell;
    }
}

// The float run's pivot; a row left with a negative Bi is turned round as it turns it.
void ExactPivot(ExactTableau& t, std::size_t l, std::size_t j) {
    const Rational p = t.a[l][j];
    t.b[l] /= p;
    for (Rational& cell : t.a[l]) {
        cell /= p;
    }
    if (t.b[l] < 0) {
        FlipRow(t, l);
    }
    t.basis[l] = t.objective[j];
    for (std::size_t i = 0; i < t.a.size(); ++i) {
        if (i == l) {
            continue;
        }
        const Rational f = t.a[i][j];
        t.b[i] -= f * t.b[l];
        for (std::size_t w = 0; w < t.a[i].size(); ++w) {
            t.a[i][w] -= f * t.a[l][w];
            t.zeroMarks[i][w] = t.zeroMarks[i][w] && t.zeroMarks[l][w];
        }
        t.zeroMarks[i][j] = true;
        if (t.b[i] < 0) {
            FlipRow(t, i);
        }
    }
}

int BasisRowNamed(const ExactTableau& t, const std::string& name) {
    for (std::size_t r = 0; r < t.basis.size(); ++r) {
        if (t.basis[r].name == name) {
            return static_cast<int>(r);
        }
    }
    return -1;
}

std::string NameOr(const std::vector<std::string>& names, int index, const char* none) {
    return index < 0 ? std::string(none) : names[static_cast<std::size_t>(index)];
}

// Says where the exact sign tests disagree with the choices the page records.
void NoteDisagreements(const ExactTableau& t, ExactPage& page, bool exactInfeasible,
                       int exactEntering, int exactLeaving) {
    if (page.entering == -1) {
        if (exactEntering != -1 && !exactInfeasible) {
            page.notes.push_back("Exact arithmetic would let " +
                                 NameOr(t.columnNames, exactEntering, "") +
                                 " enter here; round-off ended the run");
        }
        return;
    }
    if (exactInfeasible || exactEntering == -1) {
        page.notes.push_back("Exact arithmetic would end the run here; round-off chose " +
                             t.columnNames[static_cast<std::size_t>(page.entering)] + " to enter");
    } else if (exactEntering != page.entering) {
        page.notes.push_back("Exact arithmetic would let " +
                             t.columnNames[static_cast<std::size_t>(exactEntering)] +
                             " enter here; round-off chose " +
                             t.columnNames[static_cast<std::size_t>(page.entering)]);
    }
    if (page.leaving != -1 && exactLeaving != page.leaving) {
        page.notes.push_back("Exact arithmetic would let " +
                             NameOr(page.basisNames, exactLeaving, "no row") +
                             " leave here; round-off chose " +
                             page.basisNames[static_cast<std::size_t>(page.leaving)]);
    }
}

// The page as the float run showed it, its notes included. False when the page names a
// column or row that this tableau does not have.
bool BuildPage(const ExactTableau& t, const TableauPage& shown, ExactPage& page) {
    page.rule = shown.mRule;
    page.columnNames = t.columnNames;
    page.cj = t.cj;
    for (const CostTerm& term : t.basis) {
        page.basisNames.push_back(term.name);
        page.cb.push_back(ExactCost(term));
    }
    page.cells = t.a;
    page.bi = t.b;
    page.ratios.assign(t.a.size(), std::nullopt);
    ComputeExactReducedCosts(t, page);
    page.z = ExactObjective(t);

    const bool infeasible = ExactInfeasible(t, page.cjzj);
    const int exactEntering = infeasible ? -1 : ExactEntering(t, page.cjzj, page.rule);
    if (!shown.mEntering.empty()) {
        page.entering = ColumnNamed(t, shown.mEntering);
        page.leaving = BasisRowNamed(t, shown.mLeaving);
        if (page.entering == -1 || page.leaving == -1) {
            return false;
        }
    }
    const int exactLeaving = page.entering == -1 ? -1 : ExactRatios(t, page.entering, page);
    NoteDisagreements(t, page, infeasible, exactEntering, exactLeaving);
    return true;
}

// The start of a replay: the standard form's tableau and a run with no page yet. Nothing
// when the problem cannot be put in standard form.
std::optional<ExactRun> StartReplay(const VantrellState& state, bool dual, RunOutcome outcome,
                                    ExactTableau& t) {
    VantrellState scratch;
    scratch.mPrimal = state.mPrimal;
    scratch.mDual = state.mDual;
    scratch.mMinimize = state.mMinimize;
    scratch.mSolvingDual = dual;
    SilentPrompt quiet;
    if (!BuildStandardForm(scratch, quiet)) {
        return std::nullopt;
    }
    t = FromStandardForm(scratch.mWork, scratch.mBasis);

    ExactRun run;
    run.dual = dual;
    run.minimize = state.mMinimize;
    run.outcome = outcome;
    for (const CostTerm& term : t.objective) {
        if (term.id != kSlackId && term.id != kSurplusId && term.id != kArtificialId) {
            run.variableNames.push_back(term.name);
        }
    }
    return run;
}

// Makes the pivot of the run's last page, when it names one. Round-off can pivot on a cell
// that is exactly zero: that page gets a note, the run is incomplete and nothing pivots.
bool PivotAfterLastPage(ExactTableau& t, ExactRun& run) {
    ExactPage& page = run.pages.back();
    if (page.entering == -1) {
        return true;
    }
    const auto l = static_cast<std::size_t>(page.leaving);
    const auto j = static_cast<std::size_t>(page.entering);
    if (t.a[l][j] == 0) {
        page.notes.push_back("Exact arithmetic finds a zero pivot here; the exact pages end");
        run.complete = false;
        return false;
    }
    ExactPivot(t, l, j);
    return true;
}

// Adds pages [run.pages.size(), count) to the run, pivoting between them; false when a page
// does not belong to the problem as it stands.
bool ContinueReplay(const PageStore& pages, int count, ExactTableau& t, ExactRun& run) {
    const int kept = std::min(count, kTableauPages);
    for (auto p = static_cast<int>(run.pages.size()); p < kept && run.complete; ++p) {
        if (p > 0 && !PivotAfterLastPage(t, run)) {
            break;
        }
        ExactPage page;
        if (!BuildPage(t, pages[static_cast<std::size_t>(p)], page)) {
            return false;
        }
        run.pages.push_back(std::move(page));
    }
    return true;
}

// The replay, with the tableau as it stands after the last kept page (pivoted once more
// when that page names a pivot and pivotLast is set). count may be 0: the start alone.
std::optional<ExactRun> Replay(const VantrellState& state, bool dual, const PageStore& pages,
                               int count, RunOutcome outcome, ExactTableau& t, bool pivotLast) {
    auto run = StartReplay(state, dual, outcome, t);
    if (!run || !ContinueReplay(pages, count, t, *run)) {
        return std::nullopt;
    }
    if (pivotLast && run->complete && !run->pages.empty()) {
        PivotAfterLastPage(t, *run);
    }
    return run;
}

// The tableau after the last kept page's pivot of an unbounded run: its entering column is
// the one no row limits. Nothing when the exact ratios do limit it.
std::optional<ExactPage> StoppedPage(const ExactTableau& t, const ExactRun& run,
                                     PivotRule startRule) {
    TableauPage unshown;
    unshown.mRule = run.pages.empty() ? startRule : run.pages.back().rule;
    ExactPage page;
    BuildPage(t, unshown, page);
    page.notes.clear();
    const int entering = ExactEntering(t, page.cjzj, page.rule);
    if (entering == -1) {
        return std::nullopt;
    }
    page.entering = entering;
    if (ExactRatios(t, entering, page) != -1) {
        return std::nullopt;
    }
    return page;
}

}  // namespace

std::optional<ExactRun> ReplayPages(const VantrellState& state, bool dual, const PageStore& pages,
                                    int count, RunOutcome outcome) {
    if (outcome == RunOutcome::NotRun || count <= 0) {
        return std::nullopt;
    }
    ExactTableau t;
    const bool unbounded = outcome == RunOutcome::Unbounded;
    auto run = Replay(state, dual, pages, count, outcome, t, unbounded);
    if (run && unbounded && run->complete) {
        run->unboundedEnd = StoppedPage(t, *run, state.mPivotRule);
    }
    return run;
}

struct LiveReplay::Progress {
    bool dual = false;
    ExactTableau tableau;
    ExactRun run;
};

LiveReplay::LiveReplay() = default;
LiveReplay::~LiveReplay() = default;

const ExactRun* LiveReplay::Read(const VantrellState& state, RunOutcome outcome) {
    const int count = state.mTableauCount;
    if (count <= 0) {
        return nullptr;
    }
    // A run reads its pages in order; anything else is another run.
    const bool sameRun = mProgress && mProgress->dual == state.mSolvingDual &&
                         !mProgress->run.pages.empty() &&
                         static_cast<int>(mProgress->run.pages.size()) < count;
    if (!sameRun) {
        mProgress = std::make_unique<Progress>();
        mProgress->dual = state.mSolvingDual;
        auto start = StartReplay(state, state.mSolvingDual, outcome, mProgress->tableau);
        if (!start) {
            mProgress.reset();
            return nullptr;
        }
        mProgress->run = std::move(*start);
    }
    if (!ContinueReplay(state.mPages, count, mProgress->tableau, mProgress->run)) {
        mProgress.reset();
        return nullptr;
    }
    mProgress->run.outcome = outcome;
    return &mProgress->run;
}

std::optional<ExactPage> ReplayStoppedPage(const VantrellState& state, bool dual,
                                           const PageStore& pages, int count, RunOutcome outcome) {
    if (outcome != RunOutcome::Unbounded || count < 0) {
        return std::nullopt;
    }
    ExactTableau t;
    const auto run = Replay(state, dual, pages, count, outcome, t, true);
    if (!run || !run->complete) {
        return std::nullopt;
    }
    return StoppedPage(t, *run, state.mPivotRule);
}

std::optional<ExactRun> ReplayKeptRun(const VantrellState& state, bool dual) {
    return dual ? ReplayPages(state, true, state.mDualPages, state.mDualTableauCount,
                              state.mDualOutcome)
                : ReplayPages(state, false, state.mPrimalPages, state.mPrimalTableauCount,
                              state.mPrimalOutcome);
}

std::optional<Rational> StatedObjective(const ExactRun& run) {
    if (run.outcome != RunOutcome::Optimal || run.pages.empty()) {
        return std::nullopt;
    }
    // The tableau maximizes: a minimization ran with negated costs, and the dual of a
    // maximization is a minimization written with negated costs.
    const Rational& z = run.pages.back().z;
    return run.minimize != run.dual ? Rational(-z) : z;
}

std::vector<std::pair<std::string, Rational>> VariableValues(const ExactRun& run) {
    std::vector<std::pair<std::string, Rational>> values;
    if (run.pages.empty()) {
        return values;
    }
    const ExactPage& last = run.pages.back();
    for (const std::string& name : run.variableNames) {
        Rational value;
        const auto it = std::find(last.basisNames.begin(), last.basisNames.end(), name);
        if (it != last.basisNames.end()) {
            value = last.bi[static_cast<std::size_t>(it - last.basisNames.begin())];
        }
        values.emplace_back(name, value);
    }
    return values;
}

}  // namespace vantrell

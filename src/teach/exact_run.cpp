// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/exact_run.h"

#include <algorithm>

#include "model/variable_names.h"
#include "teach/exact_arithmetic.h"
#include "teach/exact_proof.h"

namespace vantrell {
namespace {

// The page before its pivot: the tableau, its Zj and Cj-Zj, and Z.
ExactPage PageOf(const ExactTableau& t, PivotRule rule) {
    ExactPage page;
    page.rule = rule;
    page.columnNames = t.columnNames;
    for (const CostTerm& term : t.objective) {
        page.cj.push_back(ExactCost(term));
    }
    for (const CostTerm& term : t.basis) {
        page.basisNames.push_back(term.name);
        page.cb.push_back(ExactCost(term));
    }
    page.cells = t.a;
    page.bi = t.b;
    page.ratios.assign(t.a.size(), std::nullopt);
    ReducedCostsOf(t, t.basis, page.zj, page.cjzj);
    page.z = ObjectiveValueOf(t, t.basis);
    for (std::size_t r = 0; r < page.cb.size() && r < page.bi.size(); ++r) {
        page.zM += page.cb[r].m * page.bi[r];
    }
    return page;
}

// What a run did at a page: the column and row it chose, or how it ended there.
struct Choice {
    std::string entering;
    std::string leaving;
    std::string ending;  // "ended", "stopped: no row limits it", ... when it chose nothing
};

const char* EndingWords(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::Optimal:
            return "ends with an optimal tableau";
        case RunOutcome::Infeasible:
            return "ends with an artificial variable that stays positive";
        case RunOutcome::Unbounded:
            return "finds no row that limits the entering column";
        case RunOutcome::TooLarge:
            return "stops because its numbers grow too large";
        default:
            break;
    }
    return "stops";
}

Choice DecimalChoice(const PageStore& pages, int count, RunOutcome outcome, std::size_t p) {
    if (static_cast<int>(p) >= count) {
        return {{}, {}, EndingWords(outcome)};
    }
    const TableauPage& page = pages[p];
    if (page.mEntering.empty()) {
        return {{}, {}, EndingWords(outcome)};
    }
    return {page.mEntering, page.mLeaving, {}};
}

Choice ExactChoice(const ExactRun& run, std::size_t p) {
    const ExactPage* page = p < run.pages.size() ? &run.pages[p] : nullptr;
    if (page == nullptr && p == run.pages.size() && run.unboundedEnd) {
        // The decimal run does not record the column it could not pivot on either.
        return {{}, {}, EndingWords(RunOutcome::Unbounded)};
    }
    if (page == nullptr || page->entering < 0) {
        return {{}, {}, EndingWords(run.outcome)};
    }
    return {page->columnNames[static_cast<std::size_t>(page->entering)],
            page->basisNames[static_cast<std::size_t>(page->leaving)],
            {}};
}

// How the exact run breaks a tie of ratios, as the note names it.
std::string TieWords(PivotRule rule) {
    return rule == PivotRule::SmallestIndex ? "the basic variable of smallest index"
                                            : "the first row";
}

std::string PartingNote(const ExactPage& page, const Choice& decimal, const Choice& exact) {
    std::string note = "Here the decimal run, rounding, ";
    if (!decimal.ending.empty()) {
        note += decimal.ending;
    } else if (decimal.entering != exact.entering) {
        note += "chose " + decimal.entering + " to enter";
    } else {
        note += "chose " + decimal.leaving;
    }
    note += "; in exact numbers ";
    if (exact.entering.empty()) {
        note += "the run " + exact.ending;
    } else if (exact.leaving.empty()) {
        note += exact.entering + " enters and no row limits it";
    } else if (!decimal.ending.empty() || decimal.entering != exact.entering) {
        note += exact.entering + " enters and " + exact.leaving + " leaves";
    } else {
        // The same column: the rows part on the ratio test.
        const auto row = [&page](const std::string& name) {
            return static_cast<std::size_t>(
                std::find(page.basisNames.begin(), page.basisNames.end(), name) -
                page.basisNames.begin());
        };
        const std::size_t mine = row(exact.leaving);
        const std::size_t theirs = row(decimal.leaving);
        const bool tie = theirs < page.ratios.size() && page.ratios[theirs] && page.ratios[mine] &&
                         *page.ratios[theirs] == *page.ratios[mine];
        note += tie ? exact.leaving + " and " + decimal.leaving + " tie and " +
                          TieWords(page.rule) + ", " + exact.leaving + ", leaves"
                    : exact.leaving + " leaves";
    }
    return note + ". From here on the fraction view follows the exact run.";
}

}  // namespace

ExactTableau ExactTableauOf(const ProblemSet& work, const std::vector<CostTerm>& basis) {
    ExactTableau t;
    t.objective = work.objective;
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

ExactPage ExactPageOf(const ExactTableau& t, PivotRule rule) {
    return PageOf(t, rule);
}

ExactRun RunExact(const ProblemSet& work, const std::vector<CostTerm>& basis, PivotRule rule,
                  bool dual, bool minimize) {
    if (work.constraints.empty()) {
        ExactRun run;
        run.dual = dual;
        run.minimize = minimize;
        return run;
    }
    return ContinueExact(ExactTableauOf(work, basis), rule, dual, minimize);
}

ExactRun ContinueExact(ExactTableau t, PivotRule rule, bool dual, bool minimize) {
    ExactRun run;
    run.dual = dual;
    run.minimize = minimize;
    for (const CostTerm& term : t.objective) {
        if (term.id != kSlackId && term.id != kSurplusId && term.id != kArtificialId) {
            run.variableNames.push_back(term.name);
        }
    }
    run.objective = t.objective;
    std::vector<std::vector<std::string>> shownBases;
    while (true) {
        ExactPage page = PageOf(t, rule);
        const bool infeasible = NoFeasibleSolution(t, t.basis, page.cjzj);
        const int entering = infeasible ? -1 : EnteringColumnOf(t.objective, page.cjzj, rule);
        if (entering == -1) {
            run.outcome = infeasible ? RunOutcome::Infeasible : RunOutcome::Optimal;
            run.pages.push_back(std::move(page));
            return run;
        }
        page.entering = entering;
        const RatioTestResult leaving = RatioTestOf(t, t.basis, entering, page.ratios, rule);
        if (leaving.kind != RatioTestResult::Kind::Row) {
            // Exact ratios are never too large to show: no row limits the column.
            run.outcome = RunOutcome::Unbounded;
            run.unboundedEnd = std::move(page);
            return run;
        }
        page.leaving = leaving.row;
        run.pages.push_back(std::move(page));
        shownBases.push_back(BasisKeyOf(t.basis));
        if (run.pages.size() == static_cast<std::size_t>(kTableauPages)) {
            run.outcome = AnyBasisRepeats(std::move(shownBases)) ? RunOutcome::Cycling
                                                                 : RunOutcome::PageLimit;
            return run;
        }
        PivotOn(t, t.basis, leaving.row, entering);
    }
}

namespace {

// The tableau a page shows, with the costs of the run's columns: what a pivot needs.
ExactTableau TableauOfPage(const std::vector<CostTerm>& objective, const ExactPage& page) {
    ExactTableau t;
    t.objective = objective;
    t.columnNames = page.columnNames;
    t.a = page.cells;
    t.b = page.bi;
    t.zeroMarks.assign(page.cells.size(), std::vector<bool>(page.columnNames.size(), false));
    for (const std::string& name : page.basisNames) {
        const auto it = std::find_if(objective.begin(), objective.end(),
                                     [&name](const CostTerm& term) { return term.name == name; });
        t.basis.push_back(it != objective.end() ? *it : CostTerm{});
    }
    return t;
}

}  // namespace

std::optional<Rational> PhaseOneW(const ExactRun& run) {
    const auto last = std::find_if(run.pages.rbegin(), run.pages.rend(),
                                   [](const ExactPage& page) { return page.phase == 1; });
    if (last == run.pages.rend() || (last->entering >= 0 && !last->drivesOut)) {
        return std::nullopt;
    }
    return Rational(-last->z);
}

const ExactPage& FinalTableauPage(const ExactRun& run) {
    return run.wholeFinal ? *run.wholeFinal : run.pages.back();
}

const std::vector<CostTerm>& PageObjective(const ExactRun& run, std::size_t index) {
    const bool phaseOne = index < run.pages.size() && run.pages[index].phase == 1;
    return phaseOne ? run.phaseOneObjective : run.objective;
}

ExactPage WithEnteringColumn(const std::vector<CostTerm>& objective, const ExactPage& before,
                             int entering) {
    ExactPage page = before;
    page.entering = entering;
    const ExactTableau t = TableauOfPage(objective, before);
    const RatioTestResult leaving = RatioTestOf(t, t.basis, entering, page.ratios, page.rule);
    page.leaving = leaving.kind == RatioTestResult::Kind::Row ? leaving.row : -1;
    return page;
}

ExactPage PivotedExactPage(const std::vector<CostTerm>& objective, const ExactPage& before,
                           int entering, int leaving) {
    ExactTableau t = TableauOfPage(objective, before);
    PivotOn(t, t.basis, leaving, entering);
    return PageOf(t, before.rule);
}

void NoteWhereRunsPart(ExactRun& run, const PageStore& pages, int count, RunOutcome outcome) {
    // A run the user stopped did not part from the exact one; it just went no further.
    if (run.pages.empty() || outcome == RunOutcome::Stopped) {
        return;
    }
    const std::size_t last = std::min(run.pages.size(), static_cast<std::size_t>(kTableauPages));
    for (std::size_t p = 0; p <= last; ++p) {
        const Choice decimal = DecimalChoice(pages, count, outcome, p);
        const Choice exact = ExactChoice(run, p);
        const bool decimalEnds = !decimal.ending.empty();
        const bool exactEnds = !exact.ending.empty();
        const bool same = decimalEnds == exactEnds && decimal.entering == exact.entering &&
                          decimal.leaving == exact.leaving && decimal.ending == exact.ending;
        if (!same) {
            // Past the exact run's last page only its unbounded stop can part from the other.
            ExactPage& page = run.pages[std::min(p, run.pages.size() - 1)];
            page.notes.push_back(PartingNote(page, decimal, exact));
            run.parted = true;
            return;
        }
        if (decimalEnds || p + 1 >= static_cast<std::size_t>(kTableauPages)) {
            return;
        }
    }
}

std::vector<std::string> PartingNotes(const ExactRun* run, std::size_t index) {
    if (run == nullptr || index >= run->pages.size()) {
        return {};
    }
    return run->pages[index].notes;
}

LazyExactRun::LazyExactRun(ProblemSet work, std::vector<CostTerm> basis, PivotRule rule, bool dual,
                           bool minimize)
    : mWork(std::move(work)),
      mBasis(std::move(basis)),
      mRule(rule),
      mDual(dual),
      mMinimize(minimize) {}

const ExactRun& LazyExactRun::Run() {
    if (!mRun) {
        mRun = RunExact(mWork, mBasis, mRule, mDual, mMinimize);
        CertifyExactRun(*mRun, mWork, mBasis);
        if (mDecimalCount >= 0) {
            NoteWhereRunsPart(*mRun, mDecimalPages, mDecimalCount, mDecimalOutcome);
        }
    }
    return *mRun;
}

void LazyExactRun::DecimalRunEnded(const PageStore& pages, int count, RunOutcome outcome) {
    mDecimalPages.Share(pages, static_cast<std::size_t>(std::clamp(count, 0, kTableauPages)));
    mDecimalCount = count;
    mDecimalOutcome = outcome;
    if (mRun) {
        NoteWhereRunsPart(*mRun, mDecimalPages, mDecimalCount, mDecimalOutcome);
    }
}

const ExactRun* KeptExactRun(const VantrellState& state, bool dual) {
    const auto& source = KeptRun(state, dual).record.exact;
    return source ? &source->Run() : nullptr;
}

const ExactRun* CurrentExactRun(const VantrellState& state) {
    return state.mRun.exact ? &state.mRun.exact->Run() : nullptr;
}

ExactRun ExactRunSoFar(const ExactRun& run, int count, bool finished) {
    if (finished) {
        return run;
    }
    // What the run is (its method, side, columns and costs) without what only its end knows.
    ExactRun soFar = run;
    soFar.outcome = count >= kTableauPages ? run.outcome : RunOutcome::NotRun;
    soFar.unboundedEnd.reset();
    soFar.parted = false;
    soFar.certified = true;
    soFar.undecided = false;
    soFar.proofFault.clear();
    const auto kept = std::min(run.pages.size(), static_cast<std::size_t>(std::max(count, 0)));
    soFar.pages.resize(kept);
    return soFar;
}

std::optional<Rational> StatedObjective(const ExactRun& run) {
    if (run.outcome != RunOutcome::Optimal || run.pages.empty()) {
        return std::nullopt;
    }
    return Rational(StatedSign(run) * run.pages.back().z);
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

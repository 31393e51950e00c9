// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/two_phase.h"

#include <algorithm>

#include "model/variable_names.h"
#include "teach/exact_arithmetic.h"
#include "teach/exact_proof.h"

namespace vantrell {
namespace {

bool IsArtificial(const CostTerm& term) {
    return term.id == kArtificialId;
}

// A cost without any M part: the two-phase method never shows one.
CostTerm PlainCost(CostTerm term, double cost) {
    term.cost = cost;
    term.hasM = false;
    term.mCost = 0.0;
    return term;
}

// Phase I maximizes -W: -1 for each artificial variable, 0 for every other column.
std::vector<CostTerm> PhaseOneCosts(const std::vector<CostTerm>& objective) {
    std::vector<CostTerm> costs;
    for (const CostTerm& term : objective) {
        costs.push_back(PlainCost(term, IsArtificial(term) ? -1.0 : 0.0));
    }
    return costs;
}

// The basis with the costs of objective, found by name.
void UseCosts(ExactTableau& t, std::vector<CostTerm> objective) {
    t.objective = std::move(objective);
    for (CostTerm& basic : t.basis) {
        const auto it =
            std::find_if(t.objective.begin(), t.objective.end(),
                         [&basic](const CostTerm& term) { return term.name == basic.name; });
        if (it != t.objective.end()) {
            basic = *it;
        }
    }
}

// The page of t, its Z the sum of Cb times Bi (every artificial variable has its own cost).
ExactPage PhasePage(const ExactTableau& t, PivotRule rule, int phase) {
    ExactPage page = ExactPageOf(t, rule);
    page.phase = phase;
    page.z = 0;
    page.zM = 0;
    for (std::size_t r = 0; r < page.cb.size(); ++r) {
        page.z += page.cb[r].c * page.bi[r];
    }
    return page;
}

// Phase II carries the artificial columns unseen (they never enter; they keep B^-1 for
// sensitivity): its pages show the others only.
ExactPage WithoutArtificialColumns(const ExactPage& page, const std::vector<CostTerm>& objective) {
    ExactPage shown = page;
    shown.columnNames.clear();
    shown.cj.clear();
    shown.zj.clear();
    shown.cjzj.clear();
    for (auto& row : shown.cells) {
        row.clear();
    }
    for (std::size_t k = 0; k < objective.size(); ++k) {
        if (IsArtificial(objective[k])) {
            if (static_cast<int>(k) < page.entering) {
                --shown.entering;
            }
            continue;
        }
        shown.columnNames.push_back(page.columnNames[k]);
        shown.cj.push_back(page.cj[k]);
        shown.zj.push_back(page.zj[k]);
        shown.cjzj.push_back(page.cjzj[k]);
        for (std::size_t r = 0; r < page.cells.size(); ++r) {
            shown.cells[r].push_back(page.cells[r][k]);
        }
    }
    return shown;
}

// The page as the phase shows it.
ExactPage Shown(const ExactPage& page, const std::vector<CostTerm>& objective) {
    return page.phase == 2 ? WithoutArtificialColumns(page, objective) : page;
}

enum class PhaseEnd { Optimal, Unbounded, PageLimit };

// The primal simplex method on t by the rule, its pages added to run, until no column
// improves, no row limits the entering column (its page becomes run.unboundedEnd) or the
// pages run out.
PhaseEnd RunPhase(ExactTableau& t, PivotRule rule, int phase, ExactRun& run,
                  std::vector<std::vector<std::string>>& shownBases) {
    while (true) {
        ExactPage page = PhasePage(t, rule, phase);
        const int entering = EnteringColumnOf(t.objective, page.cjzj, rule);
        if (entering == -1) {
            run.pages.push_back(Shown(page, t.objective));
            return PhaseEnd::Optimal;
        }
        page.entering = entering;
        const RatioTestResult leaving = RatioTestOf(t, t.basis, entering, page.ratios, rule);
        if (leaving.kind != RatioTestResult::Kind::Row) {
            run.unboundedEnd = Shown(page, t.objective);
            return PhaseEnd::Unbounded;
        }
        page.leaving = leaving.row;
        run.pages.push_back(Shown(page, t.objective));
        shownBases.push_back(BasisKeyOf(t.basis));
        if (run.pages.size() == static_cast<std::size_t>(kTableauPages)) {
            return PhaseEnd::PageLimit;
        }
        PivotOn(t, t.basis, leaving.row, entering);
    }
}

// The first column outside the artificial ones with a nonzero entry in row r, or -1.
int DriveOutColumn(const ExactTableau& t, std::size_t r) {
    for (std::size_t k = 0; k < t.objective.size(); ++k) {
        if (!IsArtificial(t.objective[k]) && sgn(t.a[r][k]) != 0) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

// The first row whose basic variable is artificial and not yet known to be redundant.
int BasicArtificialRow(const ExactTableau& t, const std::vector<std::size_t>& redundant) {
    for (std::size_t r = 0; r < t.basis.size(); ++r) {
        if (IsArtificial(t.basis[r]) &&
            std::find(redundant.begin(), redundant.end(), r) == redundant.end()) {
            return static_cast<int>(r);
        }
    }
    return -1;
}

// Phase II's tableau: t without the redundant rows, with the objective's own costs; the
// artificial columns cost 0 and are never shown.
ExactTableau PhaseTwoTableau(const ExactTableau& t, const std::vector<CostTerm>& objective,
                             const std::vector<std::size_t>& redundant) {
    ExactTableau two;
    two.columnNames = t.columnNames;
    for (std::size_t r = 0; r < t.a.size(); ++r) {
        if (std::find(redundant.begin(), redundant.end(), r) == redundant.end()) {
            two.a.push_back(t.a[r]);
            two.zeroMarks.push_back(t.zeroMarks[r]);
            two.b.push_back(t.b[r]);
            two.basis.push_back(t.basis[r]);
        }
    }
    std::vector<CostTerm> costs;
    for (const CostTerm& term : objective) {
        costs.push_back(PlainCost(term, IsArtificial(term) ? 0.0 : term.cost));
    }
    UseCosts(two, std::move(costs));
    return two;
}

// The columns a page shows: all but the artificial ones.
std::vector<CostTerm> ShownColumns(const std::vector<CostTerm>& objective) {
    std::vector<CostTerm> shown;
    std::copy_if(objective.begin(), objective.end(), std::back_inserter(shown),
                 [](const CostTerm& term) { return !IsArtificial(term); });
    return shown;
}

// The proof of the run's answer. Phase II's answer is big M's with every artificial cost
// at 0: a redundant row keeps its artificial variable, basic at 0, so that the basis is
// whole again. An infeasible end is Phase I's, whose costs are the M parts of big M's.
void CertifyTwoPhase(ExactRun& run, const ProblemSet& work, const std::vector<CostTerm>& basis) {
    ProblemSet costed = work;
    ExactRun proof = run;
    if (run.outcome == RunOutcome::Infeasible) {
        for (CostTerm& term : costed.objective) {
            term = PlainCost(term, 0.0);
            if (IsArtificial(term)) {
                term.hasM = true;
                term.mCost = -1.0;
            }
        }
    } else {
        for (CostTerm& term : costed.objective) {
            term = PlainCost(term, IsArtificial(term) ? 0.0 : term.cost);
        }
        ExactPage* last = run.outcome == RunOutcome::Unbounded && proof.unboundedEnd
                              ? &*proof.unboundedEnd
                              : (proof.pages.empty() ? nullptr : &proof.pages.back());
        if (last != nullptr) {
            for (const std::string& name : run.redundantRows) {
                last->basisNames.push_back(name);
                last->bi.emplace_back(0);
                last->cells.emplace_back(last->columnNames.size());
                last->cb.push_back({});
            }
        }
    }
    std::vector<CostTerm> costedBasis = basis;
    for (CostTerm& term : costedBasis) {
        for (const CostTerm& column : costed.objective) {
            term = column.name == term.name ? column : term;
        }
    }
    CertifyExactRun(proof, costed, costedBasis);
    run.certified = proof.certified;
    run.proofFault = proof.proofFault;
}

}  // namespace

ExactRun RunTwoPhase(const ProblemSet& work, const std::vector<CostTerm>& basis, PivotRule rule,
                     bool dual, bool minimize) {
    ExactRun run;
    run.method = SolveMethod::TwoPhase;
    run.dual = dual;
    run.minimize = minimize;
    if (work.constraints.empty()) {
        return run;
    }
    const ExactTableau start = ExactTableauOf(work, basis);
    for (const CostTerm& term : start.objective) {
        if (term.id != kSlackId && term.id != kSurplusId && !IsArtificial(term)) {
            run.variableNames.push_back(term.name);
        }
    }
    ExactTableau t = start;
    std::vector<std::vector<std::string>> shownBases;
    const bool phaseOne = std::any_of(basis.begin(), basis.end(), IsArtificial);
    run.phaseOneObjective = PhaseOneCosts(start.objective);
    if (phaseOne) {
        UseCosts(t, run.phaseOneObjective);
        if (RunPhase(t, rule, 1, run, shownBases) == PhaseEnd::PageLimit) {
            run.outcome = AnyBasisRepeats(shownBases) ? RunOutcome::Cycling : RunOutcome::PageLimit;
            return run;
        }
        if (-run.pages.back().z > 0) {
            run.outcome = RunOutcome::Infeasible;
            CertifyTwoPhase(run, work, basis);
            return run;
        }
        // The pass: each artificial variable still basic leaves by a pivot that keeps the
        // point (its Bi is 0), or its row is redundant.
        std::vector<std::size_t> redundant;
        for (int r = BasicArtificialRow(t, redundant); r >= 0;
             r = BasicArtificialRow(t, redundant)) {
            const auto row = static_cast<std::size_t>(r);
            const int column = DriveOutColumn(t, row);
            if (column < 0) {
                redundant.push_back(row);
                run.redundantRows.push_back(t.basis[row].name);
                continue;
            }
            if (run.pages.size() == static_cast<std::size_t>(kTableauPages)) {
                run.outcome = RunOutcome::PageLimit;
                return run;
            }
            ExactPage& last = run.pages.back();
            last.entering = column;
            last.leaving = r;
            last.drivesOut = true;
            PivotOn(t, t.basis, r, column, NegativeRows::Keep);
            run.pages.push_back(PhasePage(t, rule, 1));
        }
        t = PhaseTwoTableau(t, start.objective, redundant);
    } else {
        t = PhaseTwoTableau(t, start.objective, {});
    }
    run.objective = ShownColumns(t.objective);
    if (run.pages.size() == static_cast<std::size_t>(kTableauPages)) {
        run.outcome = RunOutcome::PageLimit;
        return run;
    }
    shownBases.clear();
    switch (RunPhase(t, rule, 2, run, shownBases)) {
        case PhaseEnd::Optimal: {
            run.outcome = RunOutcome::Optimal;
            // The final tableau whole, priced as big M prices it: the same basis, the
            // columns of B^-1 with it.
            ExactTableau whole = t;
            UseCosts(whole, start.objective);
            run.wholeFinal = ExactPageOf(whole, rule);
            break;
        }
        case PhaseEnd::Unbounded:
            run.outcome = RunOutcome::Unbounded;
            break;
        case PhaseEnd::PageLimit:
            run.outcome = AnyBasisRepeats(shownBases) ? RunOutcome::Cycling : RunOutcome::PageLimit;
            return run;
    }
    CertifyTwoPhase(run, work, basis);
    return run;
}

}  // namespace vantrell

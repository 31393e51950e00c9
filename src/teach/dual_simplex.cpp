// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/dual_simplex.h"

#include <algorithm>

#include "model/tableau_page.h"
#include "model/variable_names.h"
#include "teach/exact_proof.h"
#include "teach/sensitivity.h"

namespace vantrell {
namespace {

// A Cj-Zj or ratio as the tableau writes it: an M part only where there is one.
std::string ValueText(const Rational& c, const Rational& m, const NoteNumbers& numbers) {
    return m == 0 ? numbers.Text(c) : numbers.Text(ExactMValue{c, m, true});
}

std::string PivotNote(const ExactPage& page, const NoteNumbers& numbers) {
    const auto r = static_cast<std::size_t>(page.leaving);
    const auto k = static_cast<std::size_t>(page.entering);
    const Rational& a = page.cells[r][k];
    const ExactMValue& cjzj = page.cjzj[k];
    const Rational m = cjzj.hasM ? cjzj.m : Rational(0);
    return page.basisNames[r] + " leaves: its Bi, " + numbers.Text(page.bi[r]) +
           ", is the most negative. " + page.columnNames[k] + " enters: |" +
           ValueText(cjzj.c, m, numbers) + " / " + numbers.Text(a) +
           "| = " + ValueText(Rational(cjzj.c / a), Rational(m / a), numbers) +
           " is the smallest ratio over the negative entries of the row";
}

std::string InfeasibleNote(const ExactPage& page, std::size_t r, const NoteNumbers& numbers) {
    return page.basisNames[r] + " must leave, its Bi, " + numbers.Text(page.bi[r]) +
           ", being negative, but its row has no negative entry: no pivot can raise its Bi "
           "to 0, so the problem has no feasible solution";
}

constexpr const char* kOptimalNote =
    "No Bi is negative and no Cj-Zj is positive: this tableau is optimal";

// The first row with a negative Bi: the row an infeasible run's last page could not mend.
std::size_t NegativeRow(const ExactPage& page) {
    std::size_t r = 0;
    while (r + 1 < page.bi.size() && sgn(page.bi[r]) >= 0) {
        ++r;
    }
    return r;
}

CostTerm SlackTerm(std::size_t row) {
    CostTerm term;
    term.id = kSlackId;
    term.name = SlackName(static_cast<int>(row + 1));
    term.zero = true;
    return term;
}

constexpr const char* kOtherMethods = "solve this problem with big M or two-phase";

}  // namespace

std::optional<std::string> DualSimplexRefusal(const ExactTableau& t, const NoteNumbers& numbers) {
    std::vector<ExactMValue> zj;
    std::vector<ExactMValue> cjzj;
    ReducedCostsOf(t, t.basis, zj, cjzj);
    for (std::size_t k = 0; k < cjzj.size(); ++k) {
        if (t.objective[k].id != kArtificialId && Improves(cjzj[k])) {
            return "The dual simplex method needs a first tableau with no positive Cj-Zj, but "
                   "the Cj-Zj of " +
                   t.columnNames[k] + " is " + numbers.Text(cjzj[k]) + ": " + kOtherMethods;
        }
    }
    return std::nullopt;
}

std::string DualSimplexNote(const ExactRun& run, const ExactPage& page,
                            const NoteNumbers& numbers) {
    if (page.entering >= 0 && page.leaving >= 0) {
        return PivotNote(page, numbers);
    }
    if (&page == &run.pages.back() && run.outcome == RunOutcome::Infeasible) {
        const std::size_t r =
            page.leaving >= 0 ? static_cast<std::size_t>(page.leaving) : NegativeRow(page);
        return InfeasibleNote(page, r, numbers);
    }
    return kOptimalNote;
}

DualSimplexRun ContinueDualSimplex(ExactTableau t, bool dual, bool minimize,
                                   const NoteNumbers& numbers) {
    DualSimplexRun result;
    ExactRun& run = result.run;
    run.method = SolveMethod::DualSimplex;
    run.dual = dual;
    run.minimize = minimize;
    run.objective = t.objective;
    for (const CostTerm& term : t.objective) {
        if (term.id != kSlackId && term.id != kSurplusId && term.id != kArtificialId) {
            run.variableNames.push_back(term.name);
        }
    }
    while (true) {
        ExactPage page = ExactPageOf(t, PivotRule::LargestCjZj);
        const int leaving = DualLeavingRowOf(t);
        if (leaving == -1) {
            run.outcome = RunOutcome::Optimal;
            run.pages.push_back(std::move(page));
            break;
        }
        const int entering = DualEnteringColumnOf(t, leaving, page.cjzj);
        if (entering == -1) {
            run.outcome = RunOutcome::Infeasible;
            page.leaving = leaving;
            run.pages.push_back(std::move(page));
            break;
        }
        page.leaving = leaving;
        page.entering = entering;
        run.pages.push_back(std::move(page));
        if (run.pages.size() == static_cast<std::size_t>(kTableauPages)) {
            run.outcome = RunOutcome::PageLimit;
            break;
        }
        PivotOn(t, t.basis, leaving, entering, NegativeRows::Keep);
    }
    for (const ExactPage& page : run.pages) {
        result.notes.push_back(DualSimplexNote(run, page, numbers));
    }
    result.last = std::move(t);
    return result;
}

void CertifyNoSolutionRow(ExactRun& run, const ExactTableau& start) {
    const auto fail = [&run](std::string fault) {
        run.certified = false;
        run.proofFault = std::move(fault);
    };
    run.certified = true;
    run.proofFault.clear();
    if (run.pages.empty() || run.pages.back().leaving < 0) {
        return fail("the run names no row that shows it");
    }
    const ExactPage& page = run.pages.back();
    const std::vector<Rational>& row = page.cells[static_cast<std::size_t>(page.leaving)];
    const std::size_t rows = start.a.size();
    std::vector<Rational> y(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        const auto name =
            std::find(start.columnNames.begin(), start.columnNames.end(), start.basis[i].name);
        const auto k = static_cast<std::size_t>(name - start.columnNames.begin());
        if (k >= row.size()) {
            return fail("the starting basis has no column " + start.basis[i].name);
        }
        y[i] = row[k];
    }
    for (std::size_t k = 0; k < start.objective.size(); ++k) {
        Rational sum;
        for (std::size_t i = 0; i < rows; ++i) {
            sum += y[i] * start.a[i][k];
        }
        if (start.objective[k].id != kArtificialId && sum < 0) {
            return fail("the row's combination is negative in column " + start.columnNames[k]);
        }
    }
    Rational rhs;
    for (std::size_t i = 0; i < rows; ++i) {
        rhs += y[i] * start.b[i];
    }
    if (rhs >= 0) {
        return fail("the row's combination has a right-hand side of at least 0");
    }
}

DualSimplexMethodRun RunDualSimplexMethod(const ProblemSet& stated, bool minimize,
                                          const NoteNumbers& numbers) {
    DualSimplexMethodRun result;
    ProblemSet work = stated;
    const std::size_t width = work.WidestColumnCount();
    for (std::size_t k = work.objective.size(); k < width; ++k) {
        work.objective.push_back(MarkedZeroTerm(static_cast<int>(k)));
    }
    if (minimize) {
        for (CostTerm& term : work.objective) {
            term.cost *= -1.0;
        }
    }
    std::vector<CostTerm> basis;
    for (std::size_t i = 0; i < work.constraints.size(); ++i) {
        ConstraintRow& row = work.constraints[i];
        for (std::size_t k = row.ColumnCount(); k < width; ++k) {
            row.AppendColumn(work.objective[k].id, work.objective[k].name, 0.0, true);
        }
        if (row.relation != kLessEqual && row.relation != kGreaterEqual) {
            result.refusal = "Constraint " + ConstraintLabel(stated, i) +
                             " is not a <= or >= row: the dual simplex method starts from a "
                             "slack in every row; " +
                             kOtherMethods;
            return result;
        }
        if (row.relation == kGreaterEqual) {
            row.rhs *= -1.0;
            for (double& coefficient : row.coefficients) {
                coefficient *= -1.0;
            }
            row.relation = kLessEqual;
            row.relationText = RelationSymbol(kLessEqual);
        }
        basis.push_back(SlackTerm(i));
    }
    if (work.constraints.empty()) {
        result.refusal = "The constraint functions are empty";
        return result;
    }
    for (std::size_t i = 0; i < basis.size(); ++i) {
        work.objective.push_back(basis[i]);
        for (std::size_t r = 0; r < work.constraints.size(); ++r) {
            work.constraints[r].AppendColumn(kSlackId, basis[i].name, r == i ? 1.0 : 0.0, r != i);
        }
    }
    result.work = work;
    result.basis = basis;
    const ExactTableau start = ExactTableauOf(work, basis);
    if (auto refusal = DualSimplexRefusal(start, numbers)) {
        result.refusal = std::move(refusal);
        return result;
    }
    result.run = ContinueDualSimplex(start, false, minimize, numbers);
    if (result.run.run.outcome == RunOutcome::Infeasible) {
        CertifyNoSolutionRow(result.run.run, start);
    } else {
        CertifyExactRun(result.run.run, work, basis);
    }
    return result;
}

}  // namespace vantrell

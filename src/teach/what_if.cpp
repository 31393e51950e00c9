// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/what_if.h"

#include <algorithm>

#include "model/variable_names.h"
#include "simplex/standard_form.h"
#include "teach/dual_simplex.h"
#include "teach/exact_arithmetic.h"
#include "teach/exact_proof.h"

namespace vantrell {
namespace {

// Keeps the standard form's refusal to pass it on.
class KeepingPrompt : public SilentPrompt {
  public:
    void ShowMessage(const std::string& text) override { message = text; }
    std::string message;
};

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

std::string RangeText(const ExactRange& range, const NoteNumbers& numbers) {
    return "[" + (range.low ? numbers.Text(*range.low) : std::string("-inf")) + ", " +
           (range.high ? numbers.Text(*range.high) : std::string("inf")) + "]";
}

bool InRange(const ExactRange& range, const Rational& value) {
    return (!range.low || *range.low <= value) && (!range.high || value <= *range.high);
}

// The final tableau of the run, to go on from: zero marks play no part any more.
ExactTableau FinalTableau(const ExactPage& last, const ProblemSet& work) {
    ExactTableau t;
    t.objective = work.objective;
    t.columnNames = last.columnNames;
    t.a = last.cells;
    t.b = last.bi;
    for (const std::vector<Rational>& row : t.a) {
        t.zeroMarks.emplace_back(row.size(), false);
    }
    for (const std::string& name : last.basisNames) {
        t.basis.push_back(work.objective[static_cast<std::size_t>(IndexOf(t.columnNames, name))]);
    }
    return t;
}

// The column of B^-1 that belongs to row i: its slack's or artificial's, a unit column at
// the start.
std::size_t UnitColumnOf(const std::vector<CostTerm>& startBasis, const ExactTableau& t,
                         std::size_t i) {
    return static_cast<std::size_t>(IndexOf(t.columnNames, startBasis[i].name));
}

// Adds a column of zeros to every row and its term to the objective.
void AddZeroColumn(ExactTableau& t, const CostTerm& term) {
    t.objective.push_back(term);
    t.columnNames.push_back(term.name);
    for (std::size_t r = 0; r < t.a.size(); ++r) {
        t.a[r].emplace_back(0);
        t.zeroMarks[r].push_back(false);
    }
}

void Append(ExactRun& run, std::vector<std::string>& notes, const ExactRun& part,
            const std::vector<std::string>& partNotes) {
    run.pages.insert(run.pages.end(), part.pages.begin(), part.pages.end());
    notes.insert(notes.end(), partNotes.begin(), partNotes.end());
    run.outcome = part.outcome;
    run.unboundedEnd = part.unboundedEnd;
}

struct Setup {
    ProblemSet work;
    std::vector<CostTerm> basis;
};

}  // namespace

WhatIfAnswer WhatIf(const ProblemSet& problem, bool minimize, PivotRule rule,
                    const std::vector<WhatIfChange>& changes, const NoteNumbers& numbers) {
    WhatIfAnswer answer;
    answer.changed = problem;
    VantrellState scratch;
    scratch.mPrimal = problem;
    scratch.mMinimize = minimize;
    KeepingPrompt prompt;
    if (!BuildStandardForm(scratch, prompt)) {
        answer.error = prompt.message;
        return answer;
    }
    Setup start{scratch.mWork, scratch.mBasis};
    ExactRun original = RunExact(start.work, start.basis, rule, false, minimize);
    CertifyExactRun(original, start.work, start.basis);
    const auto sensitivity = ComputeSensitivity(original, problem);
    if (!sensitivity) {
        answer.error =
            "The problem has no optimal final tableau to change: what-if starts from one";
        return answer;
    }
    ExactTableau t = FinalTableau(original.pages.back(), start.work);
    const int sign = minimize ? -1 : 1;
    const std::size_t rows = problem.constraints.size();

    // The right-hand sides and the new rows: B^-1 b and the rows in the final basis.
    std::vector<Rational> b;
    for (const ConstraintRow& row : start.work.constraints) {
        b.push_back(ExactFromDouble(row.rhs));
    }
    bool rhsChanged = false;
    std::vector<std::size_t> costs;  // the columns whose cost changes
    for (const WhatIfChange& change : changes) {
        if (change.kind == WhatIfChange::Kind::Rhs) {
            int i = -1;
            for (std::size_t r = 0; r < rows; ++r) {
                if (ConstraintLabel(problem, r) == change.name) {
                    i = static_cast<int>(r);
                }
            }
            if (i < 0) {
                answer.error = "There is no constraint named " + change.name;
                return answer;
            }
            const auto r = static_cast<std::size_t>(i);
            const ConstraintSensitivity& c = sensitivity->constraints[r];
            const Rational value = ExactFromDouble(change.value);
            const double flip = problem.constraints[r].rhs < 0.0 ? -1.0 : 1.0;
            b[r] = flip * value;
            start.work.constraints[r].rhs = flip * change.value;
            answer.changed.constraints[r].rhs = change.value;
            rhsChanged = true;
            answer.check.push_back(change.name + ": right-hand side " +
                                   numbers.Text(ExactFromDouble(problem.constraints[r].rhs)) +
                                   " -> " + numbers.Text(value) +
                                   (InRange(c.rhsRange, value) ? ", inside" : ", outside") +
                                   " its range " + RangeText(c.rhsRange, numbers));
        } else if (change.kind == WhatIfChange::Kind::Cost) {
            const int k = IndexOf(original.variableNames, change.name);
            if (k < 0) {
                answer.error = "There is no variable named " + change.name;
                return answer;
            }
            const VariableSensitivity& v = sensitivity->variables[static_cast<std::size_t>(k)];
            const Rational value = ExactFromDouble(change.value);
            const int column = IndexOf(t.columnNames, change.name);
            costs.push_back(static_cast<std::size_t>(column));
            start.work.objective[static_cast<std::size_t>(column)].cost = sign * change.value;
            answer.changed.objective[static_cast<std::size_t>(k)].cost = change.value;
            answer.check.push_back(
                change.name + ": cost " +
                numbers.Text(ExactFromDouble(problem.objective[static_cast<std::size_t>(k)].cost)) +
                " -> " + numbers.Text(value) +
                (InRange(v.costRange, value) ? ", inside" : ", outside") + " its range " +
                RangeText(v.costRange, numbers));
        }
    }
    for (const auto kind : {WhatIfChange::Kind::Rhs, WhatIfChange::Kind::Cost}) {
        const auto count = std::count_if(changes.begin(), changes.end(),
                                         [kind](const WhatIfChange& c) { return c.kind == kind; });
        if (count > 1) {
            answer.check.push_back(
                HundredPercentLine(*sensitivity, problem, changes, kind, numbers));
        }
    }
    if (rhsChanged) {
        std::string line = "New Bi = B^-1 b:";
        for (std::size_t r = 0; r < t.b.size(); ++r) {
            Rational bi;
            for (std::size_t i = 0; i < rows; ++i) {
                bi += t.a[r][UnitColumnOf(start.basis, t, i)] * b[i];
            }
            t.b[r] = bi;
            line += (r == 0 ? " " : ", ") + t.basis[r].name + " = " + numbers.Text(bi);
        }
        answer.check.push_back(line);
    }
    for (const WhatIfChange& change : changes) {
        if (change.kind != WhatIfChange::Kind::Row) {
            continue;
        }
        if (change.relation != kLessEqual && change.relation != kGreaterEqual) {
            answer.error = "A new row must be a <= or >= row: an equation is two of them";
            return answer;
        }
        if (change.coefficients.size() > original.variableNames.size()) {
            answer.error = "The new row " + change.name + " has more variables than the problem";
            return answer;
        }
        const std::size_t n = start.work.constraints.size() + 1;
        // A >= row is taken times -1, so that its slack can start basic.
        const double flip = change.relation == kGreaterEqual ? -1.0 : 1.0;
        CostTerm slack;
        slack.id = kSlackId;
        slack.name = SlackName(static_cast<int>(n));
        slack.zero = true;
        AddZeroColumn(t, slack);
        for (ConstraintRow& row : start.work.constraints) {
            row.AppendColumn(kSlackId, slack.name, 0.0, true);
        }
        ConstraintRow stated;
        ConstraintRow work;
        std::vector<Rational> cells(t.columnNames.size());
        for (std::size_t k = 0; k < start.work.objective.size(); ++k) {
            const CostTerm& term = start.work.objective[k];
            const double a = k < change.coefficients.size() ? change.coefficients[k] : 0.0;
            if (k < original.variableNames.size()) {
                stated.AppendColumn(term.id, term.name, a, a == 0.0);
            }
            work.AppendColumn(term.id, term.name, flip * a, a == 0.0);
            cells[k] = ExactFromDouble(flip * a);
        }
        work.AppendColumn(kSlackId, slack.name, 1.0, false);
        cells.back() = 1;
        stated.relation = change.relation;
        stated.relationText = RelationSymbol(change.relation);
        stated.rhs = change.value;
        work.relation = kLessEqual;
        work.relationText = RelationSymbol(kLessEqual);
        work.rhs = flip * change.value;
        start.work.objective.push_back(slack);
        start.work.constraints.push_back(work);
        start.basis.push_back(slack);
        answer.changed.constraints.push_back(stated);
        answer.changed.constraintNames.push_back(change.name);
        // The basic variables taken out of the row: it must read in the final basis.
        Rational bi = ExactFromDouble(flip * change.value);
        for (std::size_t r = 0; r < t.a.size(); ++r) {
            const Rational f =
                cells[static_cast<std::size_t>(IndexOf(t.columnNames, t.basis[r].name))];
            if (f == 0) {
                continue;
            }
            for (std::size_t k = 0; k < cells.size(); ++k) {
                cells[k] -= f * t.a[r][k];
            }
            bi -= f * t.b[r];
        }
        t.a.push_back(cells);
        t.zeroMarks.emplace_back(cells.size(), false);
        t.b.push_back(bi);
        t.basis.push_back(slack);
        answer.check.push_back(
            "New row " + change.name + ": its slack " + slack.name +
            " starts basic; with the basic variables taken out its Bi is " + numbers.Text(bi) +
            (bi < 0 ? ", so the optimum breaks it" : ", so the optimum keeps it"));
    }

    ExactRun& run = answer.run;
    run.minimize = minimize;
    run.variableNames = original.variableNames;
    const ExactTableau changedStart = ExactTableauOf(start.work, start.basis);
    bool continued = false;
    if (DualLeavingRowOf(t) >= 0) {
        answer.check.emplace_back(
            "A Bi is negative: the basis is no longer feasible, and the dual simplex method "
            "goes on from this tableau");
        DualSimplexRun dual = ContinueDualSimplex(t, false, minimize, numbers);
        Append(run, answer.notes, dual.run, dual.notes);
        t = std::move(dual.last);
        continued = true;
        if (run.outcome == RunOutcome::Infeasible) {
            CertifyNoSolutionRow(run, changedStart);
            return answer;
        }
        if (run.outcome != RunOutcome::Optimal) {
            return answer;
        }
    }
    if (!costs.empty()) {
        for (const std::size_t column : costs) {
            t.objective[column] = start.work.objective[column];
            for (CostTerm& term : t.basis) {
                if (term.name == t.columnNames[column]) {
                    term = t.objective[column];
                }
            }
        }
        const ExactPage page = ExactPageOf(t, rule);
        std::string line = "New Cj-Zj:";
        bool first = true;
        for (std::size_t k = 0; k < page.cjzj.size(); ++k) {
            if (t.objective[k].id == kArtificialId) {
                continue;
            }
            line += (first ? " " : ", ") + t.columnNames[k] + " " + numbers.Text(page.cjzj[k].c);
            first = false;
        }
        answer.check.push_back(line);
        if (EnteringColumnOf(t.objective, page.cjzj, rule) >= 0) {
            answer.check.emplace_back(
                "A Cj-Zj is positive: the basis is no longer optimal, and the primal simplex "
                "method goes on from this tableau");
            ExactRun primal = ContinueExact(t, rule, false, minimize);
            Append(run, answer.notes, primal, StepNotes(primal, primal.unboundedEnd, numbers));
            continued = true;
        } else if (continued) {
            // The dual simplex method ended with the old costs: the answer is this page's.
            run.pages.push_back(page);
            answer.notes.emplace_back(
                "With the new costs no Cj-Zj is positive: this tableau is optimal");
        }
    }
    if (!continued) {
        answer.basisStays = true;
        answer.check.emplace_back(
            "The final basis stays feasible and optimal: the new answer is read off the changed "
            "tableau");
        run.pages.push_back(ExactPageOf(t, rule));
        run.outcome = RunOutcome::Optimal;
        answer.notes.emplace_back("The changed final tableau, still optimal");
    }
    CertifyExactRun(run, start.work, start.basis);
    return answer;
}

HundredPercent HundredPercentRule(const Sensitivity& sensitivity, const ProblemSet& problem,
                                  const std::vector<WhatIfChange>& changes,
                                  WhatIfChange::Kind kind) {
    HundredPercent rule;
    Rational sum;
    for (const WhatIfChange& change : changes) {
        if (change.kind != kind) {
            continue;
        }
        std::optional<Rational> now;
        const ExactRange* range = nullptr;
        for (std::size_t i = 0; kind == WhatIfChange::Kind::Rhs && i < problem.constraints.size();
             ++i) {
            if (sensitivity.constraints[i].name == change.name) {
                now = ExactFromDouble(problem.constraints[i].rhs);
                range = &sensitivity.constraints[i].rhsRange;
            }
        }
        for (std::size_t k = 0;
             kind == WhatIfChange::Kind::Cost && k < sensitivity.variables.size(); ++k) {
            if (sensitivity.variables[k].name == change.name) {
                now = ExactFromDouble(problem.objective[k].cost);
                range = &sensitivity.variables[k].costRange;
            }
        }
        if (!now) {
            return rule;
        }
        const Rational delta = ExactFromDouble(change.value) - *now;
        const std::optional<Rational>& end = delta > 0 ? range->high : range->low;
        if (delta == 0 || !end) {
            continue;  // no change, or a range without end that way: no part of it used
        }
        const Rational room = delta > 0 ? Rational(*end - *now) : Rational(*now - *end);
        if (room == 0) {
            return rule;
        }
        sum += abs(delta) / room;
    }
    rule.sum = sum;
    return rule;
}

std::string HundredPercentLine(const Sensitivity& sensitivity, const ProblemSet& problem,
                               const std::vector<WhatIfChange>& changes, WhatIfChange::Kind kind,
                               const NoteNumbers& numbers) {
    const HundredPercent rule = HundredPercentRule(sensitivity, problem, changes, kind);
    const bool rhs = kind == WhatIfChange::Kind::Rhs;
    std::string line =
        std::string("The 100 percent rule for the ") + (rhs ? "right-hand sides" : "costs") + ": ";
    if (!rule.sum) {
        return line +
               "a change leaves a range that has no room that way, so the rule cannot "
               "decide; the changed tableau does";
    }
    line += "the changes use " + numbers.Text(*rule.sum * 100) + " percent of their ranges";
    if (rule.Holds()) {
        return line + ", not more than 100: the final basis stays " +
               (rhs ? "feasible" : "optimal");
    }
    return line + ", more than 100: the rule cannot decide; the changed tableau does";
}

}  // namespace vantrell

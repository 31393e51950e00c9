// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/special_cases.h"

#include <algorithm>

#include "model/variable_names.h"
#include "teach/run_story.h"
#include "teach/sensitivity.h"

namespace vantrell {
namespace {

bool IsZero(const ExactMValue& value) {
    return value.c == 0 && (!value.hasM || value.m == 0);
}

bool IsBasic(const ExactPage& page, const std::string& name) {
    return std::find(page.basisNames.begin(), page.basisNames.end(), name) != page.basisNames.end();
}

std::string Tableau(std::size_t index) {
    return "tableau #" + std::to_string(index + 1);
}

// "X1 = 2, X2 = 6": the problem's own variables where the basis puts them.
std::string PointText(const ExactRun& run, const ExactPage& page,
                      const std::vector<Rational>& values, const NoteNumbers& numbers) {
    std::string text;
    for (const std::string& name : run.variableNames) {
        Rational value;
        for (std::size_t r = 0; r < page.basisNames.size(); ++r) {
            if (page.basisNames[r] == name) {
                value = values[r];
            }
        }
        text += (text.empty() ? "" : ", ") + name + " = " + numbers.Text(value);
    }
    return text;
}

// A column outside the basis that could enter at no cost: not artificial, its Cj-Zj 0.
bool EntersAtNoCost(const ExactPage& page, std::size_t k) {
    return page.cj[k].m == 0 && IsZero(page.cjzj[k]) && !IsBasic(page, page.columnNames[k]);
}

// The column that, with column k, writes one free variable as a difference (Y1 - Y4): each
// is the other negated, cost and entries alike, in the first tableau and so in every later
// one (a pivot works on both alike). Moving along one of them with the other moves no
// variable of the problem. -1 when k has no such partner.
int SplitPartner(const ExactPage& first, std::size_t k) {
    for (std::size_t j = 0; j < first.columnNames.size(); ++j) {
        bool negated =
            j != k && first.cj[j].c == -first.cj[k].c && first.cj[j].m == 0 && first.cj[k].m == 0;
        for (std::size_t r = 0; r < first.cells.size() && negated; ++r) {
            negated = first.cells[r][j] == -first.cells[r][k];
        }
        if (negated) {
            return static_cast<int>(j);
        }
    }
    return -1;
}

// Column k entered into the optimal page by one pivot: the step theta, the leaving row (-1
// when no row limits it) and each row's new value.
struct NoCostPivot {
    std::size_t column = 0;
    int leaving = -1;
    Rational theta;
    std::vector<Rational> values;
};

NoCostPivot PivotAtNoCost(const ExactPage& page, std::size_t k) {
    NoCostPivot pivot;
    pivot.column = k;
    for (std::size_t r = 0; r < page.cells.size(); ++r) {
        const Rational& a = page.cells[r][k];
        if (a > 0 && (pivot.leaving == -1 || page.bi[r] / a < pivot.theta)) {
            pivot.leaving = static_cast<int>(r);
            pivot.theta = page.bi[r] / a;
        }
    }
    if (pivot.leaving >= 0) {
        pivot.values = page.bi;
        for (std::size_t r = 0; r < pivot.values.size(); ++r) {
            pivot.values[r] -= page.cells[r][k] * pivot.theta;
        }
        pivot.values[static_cast<std::size_t>(pivot.leaving)] = pivot.theta;
    }
    return pivot;
}

// Whether moving along column k moves some variable of the problem as stated: a free
// variable written as a difference does not move when both halves move alike.
bool MovesThePoint(const ExactRun& run, const ExactPage& page, std::size_t k) {
    const int partner = SplitPartner(page, k);
    for (const std::string& own : run.variableNames) {
        Rational step = own == page.columnNames[k] ? Rational(1) : Rational(0);
        for (std::size_t r = 0; r < page.basisNames.size(); ++r) {
            if (page.basisNames[r] == own) {
                step = -page.cells[r][k];
            }
        }
        if (partner >= 0 && (own == page.columnNames[k] ||
                             own == page.columnNames[static_cast<std::size_t>(partner)])) {
            continue;  // judged as the pair below
        }
        if (step != 0) {
            return true;
        }
    }
    if (partner < 0) {
        return false;
    }
    // The pair's difference moves by the change of one half less that of the other.
    const auto change = [&page, k](const std::string& name) {
        if (name == page.columnNames[k]) {
            return Rational(1);
        }
        for (std::size_t r = 0; r < page.basisNames.size(); ++r) {
            if (page.basisNames[r] == name) {
                return Rational(-page.cells[r][k]);
            }
        }
        return Rational(0);
    };
    return change(page.columnNames[k]) !=
           change(page.columnNames[static_cast<std::size_t>(partner)]);
}

// The columns that enter the optimum at no cost and reach a second, different optimal
// point: a positive step, or no row to stop them; and the first that reaches none (a
// degenerate tie: a zero step).
struct NoCostColumns {
    std::optional<NoCostPivot> second;
    std::optional<NoCostPivot> tie;
};

NoCostColumns FindNoCostColumns(const ExactRun& run) {
    NoCostColumns found;
    const ExactPage& page = run.pages.back();
    for (std::size_t k = 0; k < page.columnNames.size() && !found.second; ++k) {
        if (!EntersAtNoCost(page, k) || !MovesThePoint(run, page, k)) {
            continue;
        }
        NoCostPivot pivot = PivotAtNoCost(page, k);
        if (pivot.leaving < 0 || pivot.theta > 0) {
            found.second = std::move(pivot);
        } else if (!found.tie) {
            found.tie = std::move(pivot);
        }
    }
    return found;
}

std::optional<std::string> AlternativeOptima(const ExactRun& run, const NoteNumbers& numbers) {
    const NoCostColumns found = FindNoCostColumns(run);
    const ExactPage& page = run.pages.back();
    const std::string name = ObjectiveName(run.dual);
    if (found.second) {
        const NoCostPivot& pivot = *found.second;
        const std::string& column = page.columnNames[pivot.column];
        std::string text = "Alternative optima: " + column + " is non-basic with Cj-Zj = 0";
        if (pivot.leaving < 0) {
            return text + "; no row limits it, so " + name +
                   " stays optimal as it grows without limit.";
        }
        ExactPage next = page;
        const auto l = static_cast<std::size_t>(pivot.leaving);
        next.basisNames[l] = column;
        return text + "; letting it enter (" + page.basisNames[l] +
               " leaves) gives another optimal solution: " +
               PointText(run, next, pivot.values, numbers) + ".";
    }
    if (found.tie) {
        const NoCostPivot& pivot = *found.tie;
        return "Degenerate tie: " + page.columnNames[pivot.column] +
               " is non-basic with Cj-Zj = 0, but its ratio is 0: letting it enter (" +
               page.basisNames[static_cast<std::size_t>(pivot.leaving)] +
               " leaves) changes the basis, not the point; this is no second optimum.";
    }
    return std::nullopt;
}

std::optional<std::string> DegenerateOptimum(const ExactRun& run) {
    const ExactPage& page = run.pages.back();
    for (std::size_t r = 0; r < page.bi.size(); ++r) {
        if (page.bi[r] == 0) {
            return "Degenerate optimum: " + page.basisNames[r] +
                   " is basic at 0; the sensitivity ranges belong to this basis.";
        }
    }
    return std::nullopt;
}

std::optional<std::string> DegenerateSteps(const ExactRun& run) {
    std::string pages;
    for (std::size_t p = 0; p < run.pages.size(); ++p) {
        const ExactPage& page = run.pages[p];
        if (page.leaving >= 0) {
            const auto& ratio = page.ratios[static_cast<std::size_t>(page.leaving)];
            if (ratio && *ratio == 0) {
                pages += (pages.empty() ? "" : ", ") + ("#" + std::to_string(p + 1));
            }
        }
    }
    if (pages.empty()) {
        return std::nullopt;
    }
    return "Degenerate steps: tableaus " + pages +
           " (a zero ratio: the basis changes, the point does not).";
}

std::string Unbounded(const ExactRun& run, const ExactPage& stopped, const NoteNumbers& numbers) {
    const auto j = static_cast<std::size_t>(stopped.entering);
    const std::string& name = stopped.columnNames[j];
    std::string direction;
    for (const std::string& own : run.variableNames) {
        Rational step = own == name ? Rational(1) : Rational(0);
        for (std::size_t r = 0; r < stopped.basisNames.size(); ++r) {
            if (stopped.basisNames[r] == own) {
                step = -stopped.cells[r][j];
            }
        }
        if (step != 0) {
            direction += (direction.empty() ? "" : ", ") + own + " " + (step > 0 ? "+" : "") +
                         numbers.Text(step);
        }
    }
    const Rational rate = StatedSign(run) * stopped.cjzj[j].c;
    const std::string objective = ObjectiveName(run.dual);
    // The deciding tableau comes after the run's pages, wherever it is shown.
    const std::string after = "at " + Tableau(run.pages.size());
    if (direction.empty()) {
        direction = "nothing else";
    }
    return "Unbounded: " + name + " enters " + after +
           " and no entry of its column is positive. Per unit of " + name + ": " + direction +
           "; " + objective + " changes by " + numbers.Text(rate) + " per unit and " +
           (StatedSign(run) > 0 ? "grows without limit." : "falls without limit.");
}

std::optional<std::string> Infeasible(const ExactRun& run, const ProblemSet& problem,
                                      const NoteNumbers& numbers) {
    const ExactPage& page = run.pages.back();
    // Big M's artificial variables cost -M; Phase I's cost -1, and the phase has no M.
    const bool phaseOne = page.phase == 1;
    for (std::size_t r = 0; r < page.basisNames.size(); ++r) {
        const bool artificial = phaseOne ? page.cb[r].c < 0 : page.cb[r].m < 0;
        if (!artificial || page.bi[r] <= 0) {
            continue;
        }
        std::string owner;
        for (std::size_t i = 0; i < problem.constraints.size(); ++i) {
            if (ArtificialName(static_cast<int>(i + 1)) == page.basisNames[r]) {
                owner = ConstraintLabel(problem, i);
            }
        }
        if (phaseOne) {
            return "Phase I ends with W = " + numbers.Text(Rational(-page.z)) +
                   " > 0: infeasible; " + page.basisNames[r] + " (constraint " + owner +
                   ") stays positive.";
        }
        return "Infeasible: " + page.basisNames[r] + " stays basic at " + numbers.Text(page.bi[r]) +
               " > 0; it belongs to constraint " + owner +
               ", which cannot hold together with the others.";
    }
    return std::nullopt;
}

// The dual simplex method ends infeasible at a row it cannot mend.
std::optional<std::string> RowThatCannotBeMended(const ExactRun& run, const NoteNumbers& numbers) {
    const ExactPage& page = run.pages.back();
    if (page.leaving < 0) {
        return std::nullopt;
    }
    const auto r = static_cast<std::size_t>(page.leaving);
    return "Infeasible: " + page.basisNames[r] + "'s row has Bi " + numbers.Text(page.bi[r]) +
           " < 0 and no negative entry: no pivot can raise its Bi to 0, so no solution "
           "meets every constraint.";
}

std::optional<std::string> Cycling(const ExactRun& run, const NoteNumbers& numbers) {
    const auto repeat = FirstRepeatedBasis(run);
    if (!repeat) {
        return std::nullopt;
    }
    return "Cycling: the basis of " + Tableau(repeat->page) + " repeats that of " +
           Tableau(repeat->earlier) +
           (numbers.commandLine
                ? "; --rule bland never cycles."
                : "; the pivot rule \"Smallest index (Bland's rule)\" never cycles.");
}

}  // namespace

std::vector<std::string> SpecialCases(const ExactRun& run, const std::optional<ExactPage>& stopped,
                                      const ProblemSet& problem, const NoteNumbers& numbers) {
    std::vector<std::string> cases;
    const auto add = [&cases](std::optional<std::string> text) {
        if (text) {
            cases.push_back(std::move(*text));
        }
    };
    if (!run.certified) {
        cases.push_back(UncertifiedLine(run));
        return cases;
    }
    if (run.outcome == RunOutcome::Unbounded && stopped) {
        cases.push_back(Unbounded(run, *stopped, numbers));
    }
    if (run.pages.empty()) {
        return cases;
    }
    add(DegenerateSteps(run));
    if (run.outcome == RunOutcome::Optimal) {
        add(AlternativeOptima(run, numbers));
        add(DegenerateOptimum(run));
    }
    if (run.outcome == RunOutcome::Infeasible) {
        add(run.method == SolveMethod::DualSimplex ? RowThatCannotBeMended(run, numbers)
                                                   : Infeasible(run, problem, numbers));
    }
    if (run.outcome == RunOutcome::Cycling) {
        add(Cycling(run, numbers));
    }
    return cases;
}

// An exact answer that failed its proof check is a fault of ours: say so, show no answer.
std::string UncertifiedLine(const ExactRun& run) {
    if (run.undecided) {
        return "Big M cannot decide here: " + run.proofFault +
               "; the problem is either unbounded or has no feasible solution.";
    }
    return "The exact answer is not shown: its proof check failed (" + run.proofFault + ").";
}

bool HasAlternativeOptimum(const ExactRun& run) {
    if (run.outcome != RunOutcome::Optimal || run.pages.empty()) {
        return false;
    }
    return FindNoCostColumns(run).second.has_value();
}

std::optional<RepeatedBasis> FirstRepeatedBasis(const ExactRun& run) {
    // Phase II may start from the basis Phase I ended with: a new objective, not a cycle.
    std::vector<std::pair<int, std::vector<std::string>>> seen;
    for (std::size_t p = 0; p < run.pages.size(); ++p) {
        std::pair<int, std::vector<std::string>> basis{run.pages[p].phase, run.pages[p].basisNames};
        std::sort(basis.second.begin(), basis.second.end());
        const auto earlier = std::find(seen.begin(), seen.end(), basis);
        if (earlier != seen.end()) {
            return RepeatedBasis{p, static_cast<std::size_t>(earlier - seen.begin())};
        }
        seen.push_back(std::move(basis));
    }
    return std::nullopt;
}

bool HasDegenerateTableau(const ExactRun& run) {
    const auto atZero = [](const ExactPage& page) {
        return std::any_of(page.bi.begin(), page.bi.end(),
                           [](const Rational& value) { return sgn(value) == 0; });
    };
    return std::any_of(run.pages.begin(), run.pages.end(), atZero) ||
           (run.unboundedEnd && atZero(*run.unboundedEnd));
}

std::vector<std::string> KeptRunSpecialCases(const VantrellState& state, bool dual) {
    const ExactRun* run = KeptExactRun(state, dual);
    if (run == nullptr) {
        return {};
    }
    return SpecialCases(*run, run->unboundedEnd, KeptRun(state, dual).problem,
                        NoteNumbersOf(state));
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/special_cases.h"

#include <algorithm>

#include "model/variable_names.h"
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

std::optional<std::string> AlternativeOptima(const ExactRun& run, const NoteNumbers& numbers) {
    const ExactPage& page = run.pages.back();
    for (std::size_t k = 0; k < page.columnNames.size(); ++k) {
        const std::string& name = page.columnNames[k];
        if (!EntersAtNoCost(page, k)) {
            continue;
        }
        std::string text = "Alternative optima: " + name + " is non-basic with Cj-Zj = 0";
        int leaving = -1;
        Rational theta;
        for (std::size_t r = 0; r < page.cells.size(); ++r) {
            const Rational& a = page.cells[r][k];
            if (a > 0 && (leaving == -1 || page.bi[r] / a < theta)) {
                leaving = static_cast<int>(r);
                theta = page.bi[r] / a;
            }
        }
        if (leaving == -1) {
            return text + "; no row limits it, so Z stays optimal as it grows without limit.";
        }
        // One pivot on (leaving, k): every basic value moves by theta times its entry.
        ExactPage next = page;
        std::vector<Rational> values = page.bi;
        for (std::size_t r = 0; r < values.size(); ++r) {
            values[r] -= page.cells[r][k] * theta;
        }
        const auto l = static_cast<std::size_t>(leaving);
        values[l] = theta;
        next.basisNames[l] = name;
        text += "; letting it enter (" + page.basisNames[l] +
                " leaves) gives another optimal "
                "solution: " +
                PointText(run, next, values, numbers);
        return text + (theta == 0 ? ", the same point, since the ratio is 0." : ".");
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
    const std::string after =
        run.pages.empty() ? "on the first tableau" : "after " + Tableau(run.pages.size() - 1);
    if (direction.empty()) {
        direction = "nothing else";
    }
    return "Unbounded: " + name + " enters " + after +
           " and no entry of its column is positive. Per unit of " + name + ": " + direction +
           "; Z changes by " + numbers.Text(rate) + " per unit and " +
           (StatedSign(run) > 0 ? "grows without limit." : "falls without limit.");
}

std::optional<std::string> Infeasible(const ExactRun& run, const ProblemSet& problem,
                                      const NoteNumbers& numbers) {
    const ExactPage& page = run.pages.back();
    for (std::size_t r = 0; r < page.basisNames.size(); ++r) {
        if (page.cb[r].m >= 0 || page.bi[r] <= 0) {
            continue;
        }
        std::string owner;
        for (std::size_t i = 0; i < problem.constraints.size(); ++i) {
            if (ArtificialName(static_cast<int>(i + 1)) == page.basisNames[r]) {
                owner = ConstraintLabel(problem, i);
            }
        }
        return "Infeasible: " + page.basisNames[r] + " stays basic at " + numbers.Text(page.bi[r]) +
               " > 0; it belongs to constraint " + owner +
               ", which cannot hold together with the others.";
    }
    return std::nullopt;
}

std::optional<std::string> Cycling(const ExactRun& run) {
    std::vector<std::vector<std::string>> seen;
    for (std::size_t p = 0; p < run.pages.size(); ++p) {
        std::vector<std::string> basis = run.pages[p].basisNames;
        std::sort(basis.begin(), basis.end());
        const auto earlier = std::find(seen.begin(), seen.end(), basis);
        if (earlier != seen.end()) {
            return "Cycling: the basis of " + Tableau(p) + " repeats that of " +
                   Tableau(static_cast<std::size_t>(earlier - seen.begin())) +
                   "; the pivot rule \"Smallest index (Bland's rule)\" never cycles.";
        }
        seen.push_back(std::move(basis));
    }
    return std::nullopt;
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
        add(Infeasible(run, problem, numbers));
    }
    if (run.outcome == RunOutcome::Cycling) {
        add(Cycling(run));
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
    const ExactPage& page = run.pages.back();
    for (std::size_t k = 0; k < page.columnNames.size(); ++k) {
        for (std::size_t r = 0; r < page.cells.size() && EntersAtNoCost(page, k); ++r) {
            if (sgn(page.cells[r][k]) > 0 && sgn(page.bi[r]) > 0) {
                return true;
            }
        }
    }
    return false;
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

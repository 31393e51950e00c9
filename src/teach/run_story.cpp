// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/run_story.h"

#include <cmath>

#include "model/variable_names.h"
#include "simplex/solution_lines.h"
#include "teach/exact_page_text.h"
#include "teach/sensitivity.h"

namespace vantrell {
namespace {

const char* SenseWord(bool minimum) {
    return minimum ? "Minimize" : "Maximize";
}

// "4 X1 - 1 X2": the first term keeps its sign, the others are joined by theirs; terms the
// row does not have are left out.
std::string TermsText(const std::vector<std::string>& names, const std::vector<double>& values,
                      const std::vector<bool>& absent, const NoteNumbers& numbers) {
    std::string text;
    for (std::size_t k = 0; k < names.size() && k < values.size(); ++k) {
        if (k < absent.size() && absent[k]) {
            continue;
        }
        const double value = values[k];
        const std::string number = ShownNumber(std::fabs(value), numbers.display, numbers.decimals);
        if (text.empty()) {
            text = (value < 0.0 ? "-" : "") + number + " " + names[k];
        } else {
            text += (value < 0.0 ? " - " : " + ") + number + " " + names[k];
        }
    }
    return text;
}

std::string ObjectiveTerms(const ProblemSet& problem, double sign, const NoteNumbers& numbers) {
    std::vector<std::string> names;
    std::vector<double> costs;
    for (const CostTerm& term : problem.objective) {
        names.push_back(term.name);
        costs.push_back(sign * term.cost);
    }
    return TermsText(names, costs, {}, numbers);
}

std::string RowText(const ConstraintRow& row, double sign, const NoteNumbers& numbers) {
    std::vector<double> coefficients;
    for (double value : row.coefficients) {
        coefficients.push_back(sign * value);
    }
    return TermsText(row.columnNames, coefficients, row.zeroMarks, numbers);
}

const char* FlippedRelation(std::int32_t relation) {
    return relation == kLessEqual ? ">=" : relation == kGreaterEqual ? "<=" : "=";
}

std::string NameList(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += (k == 0 ? "" : k + 1 == names.size() ? " and " : ", ") + names[k];
    }
    return text;
}

// The lines of one row: its flip, then the columns added to it and the equation it became.
// "a1 + a2 + a3".
std::string SumText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " + ") + name;
    }
    return text;
}

std::vector<std::string> RowSetupLines(const ProblemSet& problem, std::size_t t,
                                       const std::vector<SetupStep>& steps,
                                       const NoteNumbers& numbers) {
    const ConstraintRow& row = problem.constraints[t];
    const std::string label = ConstraintLabel(problem, t);
    std::vector<std::string> lines;
    double sign = 1.0;
    std::string added;
    std::string columns;
    for (const SetupStep& step : steps) {
        if (step.row != t) {
            continue;
        }
        switch (step.kind) {
            case SetupStep::Kind::FlipRow:
                sign = -1.0;
                lines.push_back(
                    label + ": " + RowText(row, 1.0, numbers) + " " + RelationSymbol(row.relation) +
                    " " + ShownNumber(row.rhs, numbers.display, numbers.decimals) +
                    " has a negative right-hand side; times -1 it reads " +
                    RowText(row, -1.0, numbers) + " " + FlippedRelation(row.relation) + " " +
                    ShownNumber(-row.rhs, numbers.display, numbers.decimals) + ".");
                break;
            case SetupStep::Kind::NegateRow:
                sign = -1.0;
                lines.push_back(label + ": " + RowText(row, 1.0, numbers) + " " +
                                RelationSymbol(row.relation) + " " +
                                ShownNumber(row.rhs, numbers.display, numbers.decimals) +
                                " times -1 reads " + RowText(row, -1.0, numbers) + " " +
                                FlippedRelation(row.relation) + " " +
                                ShownNumber(-row.rhs, numbers.display, numbers.decimals) +
                                ", so that a slack can start in its row.");
                break;
            case SetupStep::Kind::AddSlack:
                added += (added.empty() ? "slack " : ", slack ") + step.name + " added";
                columns += " + " + step.name;
                break;
            case SetupStep::Kind::AddSurplus:
                added += (added.empty() ? "surplus " : ", surplus ") + step.name + " subtracted";
                columns += " - " + step.name;
                break;
            case SetupStep::Kind::AddArtificial:
                added +=
                    (added.empty() ? "artificial " : " and artificial ") + step.name + " added";
                columns += " + " + step.name;
                break;
        }
    }
    const std::int32_t relation = sign < 0.0 && row.relation != kEqual
                                      ? (row.relation == kLessEqual ? kGreaterEqual : kLessEqual)
                                      : row.relation;
    lines.push_back(label + " (" + RelationSymbol(relation) + "): " + added + ": " +
                    RowText(row, sign, numbers) + columns + " = " +
                    ShownNumber(sign * row.rhs, numbers.display, numbers.decimals));
    return lines;
}

}  // namespace

std::optional<std::string> StatedOptimumLine(const ExactRun& run, const NoteNumbers& numbers) {
    const auto optimum = StatedObjective(run);
    if (!optimum || !run.certified) {
        return std::nullopt;
    }
    // A stated minimum (a minimization, or the dual of a maximization) is what the tableaus
    // maximize with the other sign.
    const std::string name = ObjectiveName(run.dual);
    if (StatedSign(run) < 0) {
        return "Minimum of " + name + " = " + numbers.Text(*optimum) + " (the tableaus maximize -" +
               name + ")";
    }
    return "Maximum of " + name + " = " + numbers.Text(*optimum);
}

std::optional<std::string> RunMinimumLine(const VantrellState& state) {
    if (state.mDisplay.IsDefault()) {
        return MinimumLine(state);
    }
    const ExactRun* run = CurrentExactRun(state);
    if (run == nullptr || StatedSign(*run) > 0) {
        return std::nullopt;
    }
    return StatedOptimumLine(*run, NoteNumbersOf(state));
}

std::string DualObjectiveLine(const VantrellState& state, const NoteNumbers& numbers) {
    // The dual is kept as a maximization; as stated it minimizes when the problem maximizes.
    const double sign = StatedSign(state.mMinimize, true);
    return std::string("W = ") + ObjectiveTerms(state.mDual, sign, numbers) + ", " +
           SenseWord(sign < 0.0);
}

std::vector<std::string> FreeDualVariableLines(const ProblemSet& primal) {
    std::vector<std::string> lines;
    const std::size_t m = primal.constraints.size();
    int equalities = 0;
    for (std::size_t i = 0; i < m; ++i) {
        if (primal.constraints[i].relation != kEqual) {
            continue;
        }
        ++equalities;
        const std::string own = DualName(static_cast<int>(i + 1));
        const std::string half = DualName(static_cast<int>(m) + equalities);
        lines.push_back(own + " is free (its row is an equation): it is written " + own + " - " +
                        half + ", both >= 0");
    }
    return lines;
}

std::optional<std::string> StrongDualityLine(const VantrellState& state,
                                             const NoteNumbers& numbers) {
    if (KeptRunIsStale(state, false) || KeptRunIsStale(state, true)) {
        return std::nullopt;
    }
    const ExactRun* primal = KeptExactRun(state, false);
    const ExactRun* dual = KeptExactRun(state, true);
    if (primal == nullptr || dual == nullptr || !primal->certified || !dual->certified) {
        return std::nullopt;
    }
    const auto z = StatedObjective(*primal);
    const auto w = StatedObjective(*dual);
    if (!z || !w || *z != *w) {
        return std::nullopt;
    }
    return "Strong duality: Z = W = " + numbers.Text(*z);
}

std::optional<std::string> UnboundedLine(const ExactRun& run) {
    if (run.outcome != RunOutcome::Unbounded || !run.certified || !run.unboundedEnd ||
        run.unboundedEnd->entering < 0) {
        return std::nullopt;
    }
    const ExactPage& page = *run.unboundedEnd;
    return UnboundedLine(page.columnNames[static_cast<std::size_t>(page.entering)], run.minimize,
                         run.dual);
}

std::vector<std::string> SetupLines(const VantrellState& state, bool dual,
                                    const NoteNumbers& numbers) {
    const auto kept = KeptRun(state, dual);
    const ProblemSet& problem = kept.problem;
    std::vector<std::string> lines;
    const std::string name = ObjectiveName(dual);
    const bool minimum = StatedSign(state.mMinimize, dual) < 0;
    // The dual is kept as the maximization the tableaus solve; as stated it has the sign back.
    const double statedSign = dual ? StatedSign(state.mMinimize, true) : 1.0;
    lines.push_back(std::string(dual ? "The dual: " : "The problem: ") + SenseWord(minimum) + " " +
                    name + " = " + ObjectiveTerms(problem, statedSign, numbers));
    if (dual) {
        for (const std::string& free : FreeDualVariableLines(state.mPrimal)) {
            lines.push_back(free + ".");
        }
    }
    if (minimum) {
        lines.push_back("Minimize " + name + " is solved as Maximize -" + name + " = " +
                        ObjectiveTerms(problem, -statedSign, numbers) +
                        ": the tableaus maximize -" + name + ".");
    }
    const std::vector<SetupStep>& steps = kept.record.setup;
    std::vector<std::string> artificial;
    // Each row's last added column starts in the basis: its slack, else its artificial.
    std::vector<std::string> basis(problem.constraints.size());
    for (const SetupStep& step : steps) {
        if (step.kind == SetupStep::Kind::AddArtificial) {
            artificial.push_back(step.name);
        }
        if (step.kind != SetupStep::Kind::FlipRow && step.kind != SetupStep::Kind::NegateRow &&
            step.kind != SetupStep::Kind::AddSurplus && step.row < basis.size()) {
            basis[step.row] = step.name;
        }
    }
    for (std::size_t t = 0; t < problem.constraints.size(); ++t) {
        for (std::string& line : RowSetupLines(problem, t, steps, numbers)) {
            lines.push_back(std::move(line));
        }
    }
    if (kept.record.method == SolveMethod::TwoPhase && !artificial.empty()) {
        lines.push_back("Two-phase: Phase I maximizes -W, W = " + SumText(artificial) +
                        " the sum of the artificial variables, from this basis; W = 0 leaves "
                        "them all at 0, and Phase II maximizes the objective from the basis "
                        "Phase I ends with.");
    } else if (kept.record.method == SolveMethod::DualSimplex) {
        lines.push_back(
            "Dual simplex: no Cj-Zj of the first tableau is positive; each pivot "
            "takes the row of the most negative Bi until none is negative.");
    } else if (!artificial.empty()) {
        lines.push_back("Big M: " + NameList(artificial) +
                        (artificial.size() == 1 ? " costs -M" : " cost -M each") +
                        " in the maximization, M a number larger than any other of the "
                        "problem, so that the run drives " +
                        (artificial.size() == 1 ? "it" : "them") + " out of the basis first.");
    }
    if (!steps.empty()) {
        lines.push_back("The first basis: " + NameList(basis) + ".");
    }
    return lines;
}

}  // namespace vantrell

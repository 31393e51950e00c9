// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/duality.h"

#include <algorithm>

#include "model/variable_names.h"
#include "teach/sensitivity.h"

namespace vantrell {
namespace {

int ColumnNamed(const ExactPage& page, const std::string& name) {
    const auto it = std::find(page.columnNames.begin(), page.columnNames.end(), name);
    return it == page.columnNames.end() ? -1 : static_cast<int>(it - page.columnNames.begin());
}

// A column's value at the page: its Bi where it is basic, else 0.
Rational ValueAt(const ExactPage& page, const std::string& name) {
    const auto it = std::find(page.basisNames.begin(), page.basisNames.end(), name);
    return it == page.basisNames.end()
               ? Rational(0)
               : page.bi[static_cast<std::size_t>(it - page.basisNames.begin())];
}

// The row's relation in the tableau: a negative right-hand side was solved times -1.
std::int32_t TableauRelation(const ConstraintRow& row) {
    if (row.rhs >= 0.0 || row.relation == kEqual) {
        return row.relation;
    }
    return row.relation == kLessEqual ? kGreaterEqual : kLessEqual;
}

}  // namespace

std::optional<Duality> ComputeDuality(const ExactRun& run, const ProblemSet& problem,
                                      const ExactRun* dualRun) {
    if (run.outcome != RunOutcome::Optimal || !run.certified || run.pages.empty() || run.dual) {
        return std::nullopt;
    }
    const ExactPage& page = FinalTableauPage(run);
    if (problem.constraints.size() != page.bi.size() ||
        std::any_of(page.cb.begin(), page.cb.end(),
                    [](const ExactMValue& cb) { return cb.hasM && cb.m != 0; })) {
        return std::nullopt;
    }
    const int sign = StatedSign(run);
    Duality d;
    d.z = *StatedObjective(run);
    for (std::size_t i = 0; i < problem.constraints.size(); ++i) {
        const ConstraintRow& row = problem.constraints[i];
        const int n = static_cast<int>(i + 1);
        const std::int32_t relation = TableauRelation(row);
        DualValue v;
        v.constraint = ConstraintLabel(problem, i);
        v.name = DualName(n);
        v.column = relation == kEqual ? ArtificialName(n) : SlackName(n);
        v.negated = relation == kGreaterEqual;
        const int k = ColumnNamed(page, v.column);
        if (k < 0) {
            return std::nullopt;
        }
        const Rational zj = page.zj[static_cast<std::size_t>(k)].c;
        const int flip = row.rhs < 0.0 ? -1 : 1;
        v.value = sign * flip * (v.negated ? Rational(-zj) : zj);
        const Rational rhs = ExactFromDouble(row.rhs);
        d.w += rhs * v.value;
        const Rational slack = relation == kEqual ? Rational(0) : ValueAt(page, v.column);
        d.constraints.push_back({v.constraint, slack, v.name, v.value, slack * v.value});
        d.values.push_back(std::move(v));
    }
    for (const std::string& name : run.variableNames) {
        const int k = ColumnNamed(page, name);
        if (k < 0) {
            return std::nullopt;
        }
        // The dual constraint of the variable is as far from tight as its Cj-Zj is below 0.
        const Rational surplus = -page.cjzj[static_cast<std::size_t>(k)].c;
        const Rational value = ValueAt(page, name);
        d.variables.push_back({name, value, "dual row of " + name, surplus, value * surplus});
    }
    if (dualRun != nullptr) {
        d.dualRunOptimum = dualRun->certified ? StatedObjective(*dualRun) : std::nullopt;
    }
    return d;
}

std::optional<Duality> KeptRunDuality(const VantrellState& state) {
    const ExactRun* primal = KeptExactRun(state, false);
    if (primal == nullptr || !KeptRunIsCurrent(state, false)) {
        return std::nullopt;
    }
    const ExactRun* dual = KeptRunIsCurrent(state, true) ? KeptExactRun(state, true) : nullptr;
    return ComputeDuality(*primal, KeptRun(state, false).problem, dual);
}

std::vector<std::string> DualityLines(const Duality& duality, const NoteNumbers& numbers) {
    std::vector<std::string> lines;
    lines.emplace_back("The dual values, read off the final tableau:");
    for (const DualValue& v : duality.values) {
        lines.push_back("  " + v.name + " = " + numbers.Text(v.value) + "  (" + v.constraint +
                        ": " + (v.negated ? "minus the Zj of " : "the Zj of ") + v.column +
                        (v.column.front() == 'a' ? ", without its M part)" : ")"));
    }
    const bool strong = duality.z == duality.w;
    lines.push_back("W = " + numbers.Text(duality.w) + ", Z = " + numbers.Text(duality.z) +
                    (strong ? ": Z = W, strong duality holds" : ": Z and W differ"));
    lines.emplace_back("Complementary slackness (each product is 0 at an optimum):");
    for (const SlacknessRow& row : duality.constraints) {
        lines.push_back("  " + row.name + ": slack " + numbers.Text(row.primal) + " x " +
                        row.partner + " " + numbers.Text(row.dual) + " = " +
                        numbers.Text(row.product));
    }
    for (const SlacknessRow& row : duality.variables) {
        lines.push_back("  " + row.name + " " + numbers.Text(row.primal) + " x surplus of the " +
                        row.partner + " " + numbers.Text(row.dual) + " = " +
                        numbers.Text(row.product));
    }
    if (duality.dualRunOptimum) {
        lines.push_back(
            "The dual's own run: optimum " + numbers.Text(*duality.dualRunOptimum) +
            (*duality.dualRunOptimum == duality.w ? ", equal to W" : ", which differs from W"));
    }
    return lines;
}

}  // namespace vantrell

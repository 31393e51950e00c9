// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/sensitivity.h"

#include <algorithm>

#include "model/number_text.h"
#include "model/variable_names.h"

namespace vantrell {
namespace {

int ColumnNamed(const ExactPage& page, const std::string& name) {
    const auto it = std::find(page.columnNames.begin(), page.columnNames.end(), name);
    return it == page.columnNames.end() ? -1 : static_cast<int>(it - page.columnNames.begin());
}

void Lower(std::optional<Rational>& high, const Rational& value) {
    if (!high || value < *high) {
        high = value;
    }
}
void Raise(std::optional<Rational>& low, const Rational& value) {
    if (!low || value > *low) {
        low = value;
    }
}

// base + the interval, turned round when the stated number is the tableau's negated.
ExactRange Shifted(const Rational& base, const ExactRange& delta, int sign) {
    ExactRange range;
    if (delta.low) {
        range.low = base + *delta.low;
    }
    if (delta.high) {
        range.high = base + *delta.high;
    }
    if (sign < 0) {
        ExactRange turned;
        if (range.high) {
            turned.low = -*range.high;
        }
        if (range.low) {
            turned.high = -*range.low;
        }
        return turned;
    }
    return range;
}

// The column that holds B^-1 e_i for row i: its artificial column when it has one (= and
// >= rows), else its slack.
int UnitColumn(const ExactPage& page, std::size_t row) {
    const int artificial = ColumnNamed(page, ArtificialName(static_cast<int>(row + 1)));
    return artificial >= 0 ? artificial : ColumnNamed(page, SlackName(static_cast<int>(row + 1)));
}

// A column that may enter: not basic, not artificial, and no M part in its Cj-Zj.
bool CompetingColumn(const ExactPage& page, std::size_t k) {
    const bool basic = std::find(page.basisNames.begin(), page.basisNames.end(),
                                 page.columnNames[k]) != page.basisNames.end();
    return !basic && page.cj[k].m == 0 && (!page.cjzj[k].hasM || page.cjzj[k].m == 0);
}

ConstraintSensitivity ConstraintOf(const ExactPage& page, const ProblemSet& problem, std::size_t i,
                                   int sign) {
    const auto unit = static_cast<std::size_t>(UnitColumn(page, i));
    const Rational rhs = ExactFromDouble(problem.constraints[i].rhs);
    // A row with a negative right-hand side was solved times -1.
    const int flip = rhs < 0 ? -1 : 1;
    ConstraintSensitivity c;
    c.name = ConstraintLabel(problem, i);
    c.shadowPrice = sign * flip * page.zj[unit].c;
    ExactRange delta;
    for (std::size_t r = 0; r < page.bi.size(); ++r) {
        const Rational& d = page.cells[r][unit];
        if (d > 0) {
            Raise(delta.low, -page.bi[r] / d);
        } else if (d < 0) {
            Lower(delta.high, -page.bi[r] / d);
        }
    }
    c.rhsRange = Shifted(flip * rhs, delta, flip);
    return c;
}

VariableSensitivity VariableOf(const ExactPage& page, const std::string& name, int sign) {
    const auto k = static_cast<std::size_t>(ColumnNamed(page, name));
    VariableSensitivity v;
    v.name = name;
    ExactRange delta;
    const auto row = std::find(page.basisNames.begin(), page.basisNames.end(), name);
    if (row == page.basisNames.end()) {
        v.reducedCost = sign * page.cjzj[k].c;
        delta.high = -page.cjzj[k].c;
    } else {
        const auto r = static_cast<std::size_t>(row - page.basisNames.begin());
        for (std::size_t j = 0; j < page.columnNames.size(); ++j) {
            const Rational& a = page.cells[r][j];
            if (!CompetingColumn(page, j) || a == 0) {
                continue;
            }
            const Rational bound = page.cjzj[j].c / a;
            a > 0 ? Raise(delta.low, bound) : Lower(delta.high, bound);
        }
    }
    v.costRange = Shifted(page.cj[k].c, delta, sign);
    return v;
}

std::string EndText(const std::optional<Rational>& end, const char* infinite,
                    const NoteNumbers& numbers) {
    return end ? numbers.Text(*end) : std::string(infinite);
}

}  // namespace

std::string ConstraintLabel(const ProblemSet& problem, std::size_t i) {
    const bool named = i < problem.constraintNames.size() && !problem.constraintNames[i].empty();
    return named ? problem.constraintNames[i] : CFormat("#%zu", i + 1);
}

std::optional<Sensitivity> ComputeSensitivity(const ExactRun& run, const ProblemSet& problem) {
    if (run.outcome != RunOutcome::Optimal || !run.certified || run.pages.empty()) {
        return std::nullopt;
    }
    const ExactPage& page = FinalTableauPage(run);
    for (const ExactMValue& cb : page.cb) {
        if (cb.hasM && cb.m != 0) {
            return std::nullopt;  // an artificial variable is still basic
        }
    }
    if (problem.constraints.size() != page.bi.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < problem.constraints.size(); ++i) {
        if (UnitColumn(page, i) < 0) {
            return std::nullopt;
        }
    }
    const int sign = StatedSign(run);
    Sensitivity s;
    for (std::size_t i = 0; i < problem.constraints.size(); ++i) {
        s.constraints.push_back(ConstraintOf(page, problem, i, sign));
    }
    for (const std::string& name : run.variableNames) {
        s.variables.push_back(VariableOf(page, name, sign));
    }
    s.degenerate = std::any_of(page.bi.begin(), page.bi.end(),
                               [](const Rational& value) { return value == 0; });
    return s;
}

std::optional<Sensitivity> KeptRunSensitivity(const VantrellState& state, bool dual) {
    const ExactRun* run = KeptExactRun(state, dual);
    return run != nullptr ? ComputeSensitivity(*run, KeptRun(state, dual).problem) : std::nullopt;
}

std::optional<CurrentSensitivity> SensitivityOfCurrentRun(const VantrellState& state) {
    // The run in mPages was the last one; the other kind serves when that one is stale.
    for (const bool dual : {state.mSolvingDual, !state.mSolvingDual}) {
        if (KeptRun(state, dual).outcome != RunOutcome::Optimal || !KeptRunIsCurrent(state, dual)) {
            continue;
        }
        if (auto sensitivity = KeptRunSensitivity(state, dual)) {
            return CurrentSensitivity{dual, std::move(*sensitivity)};
        }
    }
    return std::nullopt;
}

SensitivityTable ConstraintTable(const Sensitivity& sensitivity, const NoteNumbers& numbers) {
    SensitivityTable table{{"Constraint", "Shadow Price", "RHS Low", "RHS High"}};
    for (const ConstraintSensitivity& c : sensitivity.constraints) {
        table.push_back({c.name, numbers.Text(c.shadowPrice),
                         EndText(c.rhsRange.low, "-inf", numbers),
                         EndText(c.rhsRange.high, "inf", numbers)});
    }
    return table;
}

SensitivityTable VariableTable(const Sensitivity& sensitivity, const NoteNumbers& numbers) {
    SensitivityTable table{{"Variable", "Reduced Cost", "Cost Low", "Cost High"}};
    for (const VariableSensitivity& v : sensitivity.variables) {
        table.push_back({v.name, numbers.Text(v.reducedCost),
                         EndText(v.costRange.low, "-inf", numbers),
                         EndText(v.costRange.high, "inf", numbers)});
    }
    return table;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/standard_form.h"

#include "model/number_text.h"
#include "model/problem_limits.h"
#include "model/variable_names.h"

namespace vantrell {
namespace {

std::string UnknownRelationMessage(std::size_t row) {
    return CFormat("The relation of constraint %zu is unknown: use <=, = or >=", row);
}

// Reads the objective and every row as if filled up with zero columns to the widest of
// them, so that column k of every row belongs to objective term k.
void FillUpToWidest(ProblemSet& work) {
    const std::size_t width = work.WidestColumnCount();
    for (std::size_t k = work.objective.size(); k < width; ++k) {
        work.objective.push_back(MarkedZeroTerm(static_cast<int>(k)));
    }
    for (ConstraintRow& row : work.constraints) {
        for (std::size_t k = row.ColumnCount(); k < width; ++k) {
            row.AppendColumn(work.objective[k].id, work.objective[k].name, 0.0, true);
        }
    }
}

// A negative right-hand side would start the tableau outside the feasible region; the
// same constraint times -1 has a non-negative one.
bool MakeRightHandSideNonNegative(ConstraintRow& row) {
    if (row.rhs >= 0.0) {
        return false;
    }
    row.rhs *= -1.0;
    for (double& coefficient : row.coefficients) {
        coefficient *= -1.0;
    }
    if (row.relation == kLessEqual) {
        row.relation = kGreaterEqual;
    } else if (row.relation == kGreaterEqual) {
        row.relation = kLessEqual;
    }
    row.relationText = RelationSymbol(row.relation);
    return true;
}

CostTerm AddedTerm(std::int32_t id, std::string name, bool bigM) {
    CostTerm term;
    term.id = id;
    term.name = std::move(name);
    term.zero = true;
    term.hasM = bigM;
    term.mCost = bigM ? -1.0 : 0.0;
    return term;
}

// Appends term to the objective and one column to every row: coefficient in row
// `own`, a zero-marked 0 elsewhere.
void AddColumn(ProblemSet& work, std::size_t own, const CostTerm& term, double coefficient) {
    work.objective.push_back(term);
    for (std::size_t t = 0; t < work.constraints.size(); ++t) {
        const bool isOwn = t == own;
        work.constraints[t].AppendColumn(term.id, term.name, isOwn ? coefficient : 0.0, !isOwn);
    }
}

// The first row whose relation is none of the three, as a 1-based number; 0 when none.
std::size_t FirstUnknownRelation(const ProblemSet& problem) {
    for (std::size_t t = 0; t < problem.constraints.size(); ++t) {
        const std::int32_t relation = problem.constraints[t].relation;
        if (relation != kLessEqual && relation != kEqual && relation != kGreaterEqual) {
            return t + 1;
        }
    }
    return 0;
}

// Both runs are refused for a primal beyond the size limits: the dual is built from it
// and is as large again.
bool RefuseBadPrimal(const VantrellState& state, Prompt& prompt) {
    const ProblemSet& primal = state.mPrimal;
    if (const auto refusal =
            ProblemSizeRefusal(primal.WidestColumnCount(), primal.constraints.size())) {
        prompt.ShowMessage(*refusal);
        return true;
    }
    // The dual of a row without a relation would be solved as if the row had one.
    if (const std::size_t row = state.mSolvingDual ? FirstUnknownRelation(primal) : 0) {
        prompt.ShowMessage(UnknownRelationMessage(row));
        return true;
    }
    return false;
}

}  // namespace

bool BuildStandardForm(VantrellState& state, Prompt& prompt, std::vector<SetupStep>* steps) {
    std::vector<SetupStep> made;
    const auto record = [&made](SetupStep::Kind kind, std::size_t row, std::string name) {
        made.push_back({kind, row, std::move(name)});
    };
    if (RefuseBadPrimal(state, prompt)) {
        return false;
    }
    ProblemSet& work = state.mWork;
    work = KeptRun(state, state.mSolvingDual).problem;

    if (work.objective.size() < 2) {
        prompt.ShowMessage("The objective function is empty");
        return false;
    }
    // The method's pages need two constraint rows; one row is not "empty", so it is told
    // as it is.
    if (work.constraints.empty()) {
        prompt.ShowMessage("The constraint functions are empty");
        return false;
    }
    if (work.constraints.size() < 2) {
        prompt.ShowMessage(state.mSolvingDual ? kOneDualConstraintMessage : kOneConstraintMessage);
        return false;
    }
    if (const std::size_t row = FirstUnknownRelation(work)) {
        prompt.ShowMessage(UnknownRelationMessage(row));
        return false;
    }

    if (state.mMinimize && !state.mSolvingDual) {
        for (CostTerm& term : work.objective) {
            term.cost *= -1.0;
        }
    }
    FillUpToWidest(work);
    for (std::size_t t = 0; t < work.constraints.size(); ++t) {
        if (MakeRightHandSideNonNegative(work.constraints[t])) {
            record(SetupStep::Kind::FlipRow, t, {});
        }
    }

    state.mBasis.clear();
    for (std::size_t t = 0; t < work.constraints.size(); ++t) {
        const int n = static_cast<int>(t + 1);
        switch (work.constraints[t].relation) {
            case kLessEqual: {
                const CostTerm slack = AddedTerm(kSlackId, SlackName(n), false);
                AddColumn(work, t, slack, 1.0);
                state.mBasis.push_back(slack);
                record(SetupStep::Kind::AddSlack, t, slack.name);
                break;
            }
            case kEqual: {
                const CostTerm artificial = AddedTerm(kArtificialId, ArtificialName(n), true);
                AddColumn(work, t, artificial, 1.0);
                state.mBasis.push_back(artificial);
                record(SetupStep::Kind::AddArtificial, t, artificial.name);
                break;
            }
            default: {
                AddColumn(work, t, AddedTerm(kSurplusId, SlackName(n), false), -1.0);
                record(SetupStep::Kind::AddSurplus, t, SlackName(n));
                const CostTerm artificial = AddedTerm(kArtificialId, ArtificialName(n), true);
                AddColumn(work, t, artificial, 1.0);
                state.mBasis.push_back(artificial);
                record(SetupStep::Kind::AddArtificial, t, artificial.name);
                break;
            }
        }
    }

    const auto n = static_cast<int>(work.objective.size());
    const auto m = static_cast<int>(work.constraints.size());
    state.mSizeFields = {CFormat("%d", n), CFormat("%d", m), CFormat("%d", n - m)};
    if (steps != nullptr) {
        *steps = std::move(made);
    }
    return true;
}

}  // namespace vantrell

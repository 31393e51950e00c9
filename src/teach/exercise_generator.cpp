// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/exercise_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "model/problem_file_writer.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "model/variable_names.h"
#include "simplex/iteration.h"
#include "simplex/standard_form.h"
#include "simplex/tableau_steps.h"
#include "teach/exact_run.h"
#include "teach/special_cases.h"

namespace vantrell {
namespace {

// splitmix64: a few lines, and the same numbers on every machine and compiler, which the
// standard library's distributions do not promise.
class SeededNumbers {
  public:
    explicit SeededNumbers(std::uint64_t seed) : mState(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (mState += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }
    // A whole number from low to high, both included.
    int Between(int low, int high) {
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>(Next() % span);
    }

  private:
    std::uint64_t mState;
};

// A problem in whole numbers, before it becomes a problem file.
struct Draft {
    bool minimize = false;
    std::vector<int> costs;
    std::vector<std::vector<int>> rows;
    std::vector<std::string> relations;
    std::vector<int> rhs;
};

int Dot(const std::vector<int>& a, const std::vector<int>& x) {
    int sum = 0;
    for (std::size_t k = 0; k < a.size() && k < x.size(); ++k) {
        sum += a[k] * x[k];
    }
    return sum;
}

// Coefficients from 0 to high with at least one positive; the zero is common so that
// pivots keep their denominators small.
std::vector<int> PositiveRow(SeededNumbers& numbers, int vars, int high) {
    std::vector<int> row(static_cast<std::size_t>(vars));
    for (int& a : row) {
        a = numbers.Between(0, high);
    }
    if (std::all_of(row.begin(), row.end(), [](int a) { return a == 0; })) {
        row[static_cast<std::size_t>(numbers.Between(0, vars - 1))] = numbers.Between(1, high);
    }
    return row;
}

// The chosen optimal point: positive where the tight rows must hold it, zero in as many
// coordinates as the tight rows cannot cover.
std::vector<int> OptimalPoint(SeededNumbers& numbers, int vars, int tight) {
    std::vector<int> point(static_cast<std::size_t>(vars));
    for (int& x : point) {
        x = numbers.Between(1, 4);
    }
    for (int zeros = vars - tight; zeros > 0;) {
        const auto k = static_cast<std::size_t>(numbers.Between(0, vars - 1));
        if (point[k] != 0) {
            point[k] = 0;
            --zeros;
        }
    }
    return point;
}

// Costs that make the point optimal: a positive combination of the tight rows' normals,
// less a little in each zero coordinate, so no other point of the region does as well.
// One normal alone lays the objective along a face: alternative optima.
std::vector<int> OptimalCosts(SeededNumbers& numbers, const Draft& draft,
                              const std::vector<int>& point, const std::vector<bool>& tight,
                              bool alongOneFace) {
    std::vector<int> costs(point.size(), 0);
    bool first = true;
    for (std::size_t i = 0; i < draft.rows.size(); ++i) {
        if (!tight[i] || (alongOneFace && !first)) {
            continue;
        }
        first = false;
        const int weight = numbers.Between(1, 3);
        const int sign = draft.relations[i] == ">=" ? -1 : 1;
        for (std::size_t k = 0; k < costs.size(); ++k) {
            costs[k] += sign * weight * draft.rows[i][k];
        }
    }
    for (std::size_t k = 0; k < costs.size(); ++k) {
        if (point[k] == 0 && !alongOneFace) {
            costs[k] -= numbers.Between(1, 2);
        }
    }
    return costs;
}

// Rows through (or short of) the chosen point and costs that make it the optimum.
Draft FromOptimalPoint(SeededNumbers& numbers, const ExerciseRequest& request) {
    const int vars = request.vars;
    const int rows = request.rows;
    const bool degenerate = request.kind == ExerciseKind::Degenerate;
    // A degenerate corner has one tight row more than it needs.
    const int tight = std::min(vars, rows - (degenerate ? 1 : 0));
    const std::vector<int> point = OptimalPoint(numbers, vars, tight);
    Draft draft;
    std::vector<bool> isTight(static_cast<std::size_t>(rows), false);
    for (int i = 0; i < rows; ++i) {
        std::vector<int> row = PositiveRow(numbers, vars, 3);
        const bool tightRow = i < tight + (degenerate ? 1 : 0);
        // A tight row must touch the point, or it would pass through the origin.
        if (tightRow && Dot(row, point) == 0) {
            for (std::size_t k = 0; k < row.size(); ++k) {
                row[k] += point[k] > 0 ? 1 : 0;
            }
        }
        const int slack = tightRow ? 0 : numbers.Between(1, 6);
        draft.rhs.push_back(Dot(row, point) + slack);
        draft.rows.push_back(std::move(row));
        draft.relations.emplace_back("<=");
        isTight[static_cast<std::size_t>(i)] = tightRow;
    }
    if (request.kind == ExerciseKind::Min) {
        // Covering rows: at least, with the point on the tight ones.
        draft.minimize = true;
        for (std::size_t i = 0; i < draft.rows.size(); ++i) {
            draft.relations[i] = ">=";
            if (!isTight[i]) {
                draft.rhs[i] = std::max(1, Dot(draft.rows[i], point) - numbers.Between(1, 4));
            }
        }
        draft.costs = OptimalCosts(numbers, draft, point, isTight, false);
        // Minimizing turns the signs round: the covering rows' normals, and a little more
        // in each zero coordinate, all point into the region.
        for (int& c : draft.costs) {
            c = -c;
        }
        return draft;
    }
    draft.costs =
        OptimalCosts(numbers, draft, point, isTight, request.kind == ExerciseKind::Alternative);
    return draft;
}

// A maximum under at-most, at-least and equal rows: the equal row and the at-most rows
// hold the point, the at-least rows stay short of it.
Draft Mixed(SeededNumbers& numbers, const ExerciseRequest& request) {
    const int rows = request.rows;
    Draft draft;
    std::vector<bool> isTight;
    int tightCount = 0;
    for (int i = 0; i < rows; ++i) {
        const char* relation = i == 0   ? (rows == 2 ? "=" : "<=")
                               : i == 1 ? ">="
                               : i == 2 ? "="
                                        : (numbers.Between(0, 1) == 0 ? "<=" : ">=");
        draft.relations.emplace_back(relation);
        const bool tight = draft.relations.back() != ">=";
        tightCount += tight ? 1 : 0;
        isTight.push_back(tight);
    }
    const std::vector<int> point =
        OptimalPoint(numbers, request.vars, std::min(request.vars, tightCount));
    int used = 0;
    for (int i = 0; i < rows; ++i) {
        // The first row bounds every variable.
        std::vector<int> row = PositiveRow(numbers, request.vars, 3);
        if (i == 0) {
            for (int& a : row) {
                a = std::max(a, 1);
            }
        }
        const auto index = static_cast<std::size_t>(i);
        if (isTight[index] && used >= request.vars && draft.relations[index] == "<=") {
            isTight[index] = false;
        }
        used += isTight[index] ? 1 : 0;
        int rhs = Dot(row, point);
        if (draft.relations[index] == "<=" && !isTight[index]) {
            rhs += numbers.Between(1, 6);
        } else if (draft.relations[index] == ">=") {
            rhs = std::max(1, rhs - numbers.Between(1, 4));
        }
        draft.rows.push_back(std::move(row));
        draft.rhs.push_back(rhs);
    }
    draft.costs = OptimalCosts(numbers, draft, point, isTight, false);
    return draft;
}

// In the plane: X1 enters and the steeper row R2 stops it; X2 enters and R1 stops it; from
// that corner both rows let X1 and X2 grow together for ever.
Draft UnboundedInThePlane(SeededNumbers& numbers, int rows) {
    Draft draft;
    const int p1 = numbers.Between(1, 2);
    const int q1 = numbers.Between(1, 2);
    const int p2 = numbers.Between(1, 2);
    const int q2 = q1 * p2 / p1 + numbers.Between(1, 2);  // q2/p2 > q1/p1
    const int b2 = numbers.Between(1, 4);
    const int b1 = b2 * p1 / p2 + numbers.Between(1, 4);  // b2/p2 < b1/p1
    const int c2 = numbers.Between(1, 3);
    draft.costs = {c2 + numbers.Between(1, 3), c2};
    draft.rows = {{p1, -q1}, {p2, -q2}};
    draft.rhs = {b1, b2};
    draft.relations = {"<=", "<="};
    for (int i = 2; i < rows; ++i) {
        draft.rows.push_back({numbers.Between(0, 1), -numbers.Between(1, 3)});
        draft.rhs.push_back(b1 + numbers.Between(1, 6));
        draft.relations.emplace_back("<=");
    }
    return draft;
}

// At-most rows that all let the point move along a direction that raises the objective.
Draft Unbounded(SeededNumbers& numbers, const ExerciseRequest& request) {
    if (request.vars == 2) {
        return UnboundedInThePlane(numbers, request.rows);
    }
    const auto vars = static_cast<std::size_t>(request.vars);
    std::vector<int> direction(vars);
    for (int& d : direction) {
        d = numbers.Between(0, 2);
    }
    direction[static_cast<std::size_t>(numbers.Between(0, request.vars - 1))] = 1;
    Draft draft;
    for (int i = 0; i < request.rows; ++i) {
        std::vector<int> row(vars);
        for (int& a : row) {
            a = numbers.Between(-2, 3);
        }
        // Lower the row's pull along the direction until it no longer stops it.
        for (std::size_t k = 0; Dot(row, direction) > 0; k = (k + 1) % vars) {
            if (direction[k] > 0) {
                --row[k];
            }
        }
        draft.rhs.push_back(numbers.Between(2, 12));
        draft.rows.push_back(std::move(row));
        draft.relations.emplace_back("<=");
    }
    for (std::size_t k = 0; k < vars; ++k) {
        draft.costs.push_back(numbers.Between(1, 5));
    }
    return draft;
}

// At-most rows that bound a sum, and an at-least row that asks more of it than they allow.
Draft Infeasible(SeededNumbers& numbers, const ExerciseRequest& request) {
    const auto vars = static_cast<std::size_t>(request.vars);
    Draft draft;
    draft.minimize = numbers.Between(0, 1) == 1;
    for (std::size_t k = 0; k < vars; ++k) {
        draft.costs.push_back(numbers.Between(1, 5));
    }
    // The demand row: every coefficient positive, so its largest value over the at-most
    // rows is below the sum of the bounds they give each variable.
    std::vector<int> demand(vars);
    for (int& a : demand) {
        a = numbers.Between(1, 2);
    }
    const int rows = request.rows;
    for (int i = 0; i + 1 < rows; ++i) {
        std::vector<int> row = PositiveRow(numbers, request.vars, 2);
        draft.rows.push_back(row);
        draft.relations.emplace_back("<=");
        draft.rhs.push_back(numbers.Between(2, 8));
    }
    // Every variable bounded by some at-most row, else it could grow for ever.
    for (std::size_t k = 0; k < vars; ++k) {
        draft.rows[k % draft.rows.size()][k] = std::max(draft.rows[k % draft.rows.size()][k], 1);
    }
    // The demand asks more than the at-most rows allow: each variable is at most a row's
    // bound over its coefficient there, rounded up.
    int most = 0;
    for (std::size_t k = 0; k < vars; ++k) {
        int bound = 1000;
        for (std::size_t i = 0; i < draft.rows.size(); ++i) {
            if (draft.rows[i][k] > 0) {
                bound = std::min(bound, (draft.rhs[i] + draft.rows[i][k] - 1) / draft.rows[i][k]);
            }
        }
        most += demand[k] * bound;
    }
    draft.rows.push_back(demand);
    draft.relations.emplace_back(">=");
    draft.rhs.push_back(most + numbers.Between(1, 4));
    return draft;
}

ProblemSet DraftProblem(const Draft& draft) {
    ProblemSet problem;
    for (std::size_t k = 0; k < draft.costs.size(); ++k) {
        CostTerm term;
        term.name = DecisionName(static_cast<int>(k + 1));
        term.cost = draft.costs[k];
        problem.objective.push_back(term);
    }
    for (std::size_t i = 0; i < draft.rows.size(); ++i) {
        ConstraintRow row;
        for (std::size_t k = 0; k < draft.rows[i].size(); ++k) {
            row.coefficients.push_back(draft.rows[i][k]);
        }
        row.relationText = draft.relations[i];
        row.rhs = draft.rhs[i];
        problem.constraints.push_back(row);
        problem.constraintNames.push_back("R" + std::to_string(i + 1));
    }
    return problem;
}

bool SmallDenominator(double value) {
    for (int q = 1; q <= kExerciseMaxDenominator; ++q) {
        const double scaled = value * q;
        if (std::fabs(scaled - std::round(scaled)) <= 1e-7 * std::max(1.0, std::fabs(scaled))) {
            return true;
        }
    }
    return false;
}

bool NiceValue(const BigMValue& value) {
    return SmallDenominator(value.constPart) && (!value.hasM || SmallDenominator(value.mPart));
}

// Watches a run: every tableau's numbers, basic values at zero, how it ends.
class RunWatch : public PagePresenter, public Prompt {
  public:
    RunWatch() = default;

    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        mNice = mNice && SmallDenominator(page.mZ);
        Inspect(state);
    }
    void Unbounded(const VantrellState& state, int) override {
        Inspect(state);  // the unbounded tableau is asked in practice too
    }
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec&) override { return {}; }

    bool mNice = true;

  private:
    void Inspect(const VantrellState& state) {
        for (std::size_t r = 0; r < state.mWork.constraints.size(); ++r) {
            const ConstraintRow& row = state.mWork.constraints[r];
            mNice = mNice && SmallDenominator(row.rhs) &&
                    std::all_of(row.coefficients.begin(), row.coefficients.end(), SmallDenominator);
            if (r < state.mRatios.size() && state.mRatios[r] != kNoRatio) {
                mNice = mNice && SmallDenominator(state.mRatios[r]);
            }
        }
        mNice = mNice && std::all_of(state.mCjZj.begin(), state.mCjZj.end(), NiceValue) &&
                std::all_of(state.mZj.begin(), state.mZj.end(), NiceValue);
    }
};

// Runs the problem read back from its own file text and checks the kind's promise.
bool KeepsPromise(const ProblemFile& file, ExerciseKind kind) {
    VantrellState state;
    state.mPrimal = file.problem;
    state.mMinimize = file.minimize;
    state.mDecimalPlaces = file.decimalPlaces;
    RunWatch watch;
    if (!BuildStandardForm(state, watch)) {
        return false;
    }
    const ExactRun exact =
        RunExact(state.mWork, state.mBasis, state.mPivotRule, false, file.minimize);
    RunIteration(state, watch, watch);
    const int pivots =
        state.mRunOutcome == RunOutcome::Unbounded ? state.mTableauCount : state.mTableauCount - 1;
    if (!watch.mNice || pivots < kExerciseMinPivots || pivots > kExerciseMaxPivots) {
        return false;
    }
    switch (kind) {
        case ExerciseKind::Unbounded:
            return state.mRunOutcome == RunOutcome::Unbounded;
        case ExerciseKind::Infeasible:
            return state.mRunOutcome == RunOutcome::Infeasible;
        case ExerciseKind::Degenerate:
            return state.mRunOutcome == RunOutcome::Optimal && HasDegenerateTableau(exact);
        case ExerciseKind::Alternative:
            return state.mRunOutcome == RunOutcome::Optimal && HasAlternativeOptimum(exact);
        case ExerciseKind::Max:
        case ExerciseKind::Min:
        case ExerciseKind::Mixed:
            break;
    }
    return state.mRunOutcome == RunOutcome::Optimal && !HasDegenerateTableau(exact) &&
           !HasAlternativeOptimum(exact);
}

Draft MakeDraft(SeededNumbers& numbers, const ExerciseRequest& request) {
    switch (request.kind) {
        case ExerciseKind::Mixed:
            return Mixed(numbers, request);
        case ExerciseKind::Unbounded:
            return Unbounded(numbers, request);
        case ExerciseKind::Infeasible:
            return Infeasible(numbers, request);
        case ExerciseKind::Max:
        case ExerciseKind::Min:
        case ExerciseKind::Degenerate:
        case ExerciseKind::Alternative:
            break;
    }
    return FromOptimalPoint(numbers, request);
}

// Most drafts keep the promise; the few whose pivots go through a large determinant or
// take too few steps are followed by the next draft of the same seed.
constexpr int kDraftsPerExercise = 400;

}  // namespace

const char* ToString(ExerciseKind kind) {
    switch (kind) {
        case ExerciseKind::Max:
            return "max";
        case ExerciseKind::Min:
            return "min";
        case ExerciseKind::Mixed:
            return "mixed";
        case ExerciseKind::Degenerate:
            return "degenerate";
        case ExerciseKind::Alternative:
            return "alternative";
        case ExerciseKind::Unbounded:
            return "unbounded";
        case ExerciseKind::Infeasible:
            break;
    }
    return "infeasible";
}

std::optional<ExerciseKind> ParseExerciseKind(std::string_view text) {
    for (const ExerciseKind kind : kExerciseKinds) {
        if (text == ToString(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

ExerciseResult MakeExercise(const ExerciseRequest& request) {
    ExerciseResult result;
    const auto inRange = [](int size) {
        return size >= kExerciseMinSize && size <= kExerciseMaxSize;
    };
    if (!inRange(request.vars) || !inRange(request.rows)) {
        result.error = "An exercise has 2 to 4 variables and 2 to 4 constraints";
        return result;
    }
    SeededNumbers numbers(request.seed);
    const std::string name =
        std::string("Exercise ") + ToString(request.kind) + " seed " + std::to_string(request.seed);
    for (int attempt = 0; attempt < kDraftsPerExercise; ++attempt) {
        const Draft draft = MakeDraft(numbers, request);
        // Checked as the file will read back, so the promise holds for the file itself.
        const std::string text = BuildProblemText(name, 3, draft.minimize, DraftProblem(draft));
        ProblemFileReading reading = ReadProblemText(text);
        if (reading.file && reading.messages.empty() && KeepsPromise(*reading.file, request.kind)) {
            result.file = std::move(reading.file);
            return result;
        }
    }
    result.error = std::string("No ") + ToString(request.kind) + " exercise with " +
                   std::to_string(request.vars) + " variables and " + std::to_string(request.rows) +
                   " constraints came out of seed " + std::to_string(request.seed) +
                   ": try another seed or size";
    return result;
}

std::string ExerciseFileText(const ProblemFile& file) {
    return BuildProblemText(file.problemName, file.decimalPlaces, file.minimize, file.problem);
}

}  // namespace vantrell

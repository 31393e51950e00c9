// SPDX-License-Identifier: GPL-3.0-or-later
// Differential check of the engine against the duality theorem: makes a problem file from
// the input bytes (small numbers, any relation, terms in any order, now and then a size
// beyond the limits), opens it as the Open command does and solves the primal and the dual.
// Whenever both runs end optimal their optima must agree: the dual of a maximization is
// solved as the maximization of the negated dual objective and a minimization primal as
// the maximization of the negated objective, so the two shown values are each other's
// negation.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "fuzz_check.h"
#include "model/problem_file_reader.h"
#include "model/problem_limits.h"
#include "model/prompt.h"
#include "open_problem.h"

namespace vantrell {
namespace {

constexpr double kRelativeTolerance = 1e-7;

// A coefficient as the file writes it: a whole number, or one with a decimal digit.
std::string Number(FuzzedDataProvider& data, int low, int high) {
    const int whole = data.ConsumeIntegralInRange(low, high);
    if (data.ConsumeBool()) {
        return std::to_string(whole);
    }
    return std::to_string(whole) + "." + std::to_string(data.ConsumeIntegralInRange(0, 9));
}

// Terms in a shuffled order with the joiners of the file format; a coefficient below zero
// is written as "- " and its absolute value.
std::string Terms(FuzzedDataProvider& data, int variables) {
    std::vector<int> order(static_cast<std::size_t>(variables));
    for (int j = 0; j < variables; ++j) {
        order[static_cast<std::size_t>(j)] = j + 1;
    }
    for (std::size_t j = order.size(); j > 1; --j) {
        std::swap(order[j - 1], order[data.ConsumeIntegralInRange<std::size_t>(0, j - 1)]);
    }
    std::string text;
    for (std::size_t k = 0; k < order.size(); ++k) {
        std::string coefficient = Number(data, -9, 9);
        const bool negative = coefficient.front() == '-';
        if (k > 0) {
            text += negative ? " - " : " + ";
            if (negative) {
                coefficient.erase(0, 1);
            }
        }
        text += coefficient + "X" + std::to_string(order[k]);
    }
    return text;
}

struct Generated {
    std::string text;
    bool withinLimits = true;
};

Generated MakeProblemFile(FuzzedDataProvider& data) {
    // Mostly small problems, which solve in microseconds; now and then one just beyond a
    // limit, which must be refused at once.
    const bool beyond = data.ConsumeIntegralInRange(0, 63) == 0;
    int variables = data.ConsumeIntegralInRange(1, 6);
    int rows = data.ConsumeIntegralInRange(1, 6);
    if (beyond) {
        (data.ConsumeBool() ? variables : rows) += kMaxConstraints + kMaxVariables;
    }
    Generated problem;
    problem.withinLimits = variables <= kMaxVariables && rows <= kMaxConstraints;
    problem.text = "Fuzz# Problem Name\n3\n" + std::to_string(data.ConsumeIntegralInRange(0, 1)) +
                   "\n\n" + Terms(data, variables) + " #object function\n";
    const char* const relations[] = {"<=", "=", ">="};
    for (int i = 1; i <= rows; ++i) {
        const int width = data.ConsumeIntegralInRange(1, variables);
        problem.text += "\nR" + std::to_string(i) + "#constraint name\n" + Terms(data, width) +
                        " " + relations[data.ConsumeIntegralInRange(0, 2)] + " " +
                        Number(data, -5, 40) + "\n";
    }
    return problem;
}

double ShownOptimum(const PageStore& pages, std::int32_t count) {
    return pages[static_cast<std::size_t>(count - 1)].mZ;
}

}  // namespace
}  // namespace vantrell

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace vantrell;
    FuzzedDataProvider data(bytes, size);
    const Generated problem = MakeProblemFile(data);
    VantrellState state;
    const bool opened = OpenProblemText(problem.text, state);
    // Everything generated is well formed, so only the size may be refused.
    FUZZ_CHECK(opened == problem.withinLimits);
    if (!opened) {
        return 0;
    }
    SilentPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    CalculateDual(state, prompt, presenter);

    const RunOutcome primal = state.mPrimalOutcome;
    const RunOutcome dual = state.mDualOutcome;
    if (primal == RunOutcome::Optimal && dual == RunOutcome::Optimal) {
        const double p = ShownOptimum(state.mPrimalPages, state.mPrimalTableauCount);
        const double d = ShownOptimum(state.mDualPages, state.mDualTableauCount);
        const double scale = std::max({1.0, std::fabs(p), std::fabs(d)});
        if (std::fabs(p + d) > kRelativeTolerance * scale) {
            std::fprintf(stderr, "primal %.17g, dual %.17g\n%s", p, d, problem.text.c_str());
        }
        FUZZ_CHECK(std::fabs(p + d) <= kRelativeTolerance * scale);
    }
    // One side optimal means the other has an optimum too: neither infeasible nor unbounded.
    const auto noOptimum = [](RunOutcome outcome) {
        return outcome == RunOutcome::Infeasible || outcome == RunOutcome::Unbounded;
    };
    FUZZ_CHECK(!(primal == RunOutcome::Optimal && noOptimum(dual)));
    FUZZ_CHECK(!(dual == RunOutcome::Optimal && noOptimum(primal)));
    return 0;
}

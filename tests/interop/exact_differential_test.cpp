// SPDX-License-Identifier: GPL-3.0-or-later
// The exact run on badly scaled problems against GLPK's exact simplex: the named rows are
// problems where replaying the decimal run's pivots gave a wrong exact answer.
#include "exact_differential.h"

#include <gtest/gtest.h>

#include <random>

#include "export/json_answer.h"

namespace vantrell {
namespace {

struct Named {
    const char* name;
    const char* text;
    const char* optimum;  // as glpsol --exact gives it
};

const Named kNamed[] = {
    // The decimal run stopped unbounded.
    {"tiny_coefficient_beside_1e13",
     "D#\n3\n0\n\n-32768X1 + 5X2 #object function\n\nR1#\n3X1 - 6X2 <= 6\n\nR2#\n"
     "-9X1 - 1X2 <= 0.000152587890625\n\nR3#\n-9895604649984X1 + 3X2 >= 0\n\nR4#\n"
     "5X1 + 8X2 = 3\n",
     "15/8"},
    // The decimal run's pivots led to another value.
    {"equation_with_2e12",
     "D#\n3\n0\n\n32768X1 + 7X2 + 1792X3 - 6X4 #object function\n\nR1#\n"
     "4X1 - 6X2 + 2199023255552X3 - 4X4 = 0.01953125\n\nR2#\n"
     "1X1 + 0.015625X2 + 0X3 + 7X4 <= 8\n",
     "402713053/1552"},
    // The decimal run declared the problem infeasible.
    {"minimum_beside_3e10",
     "D#\n3\n1\n\n5X1 - 1X2 #object function\n\nR1#\n7X1 - 2X2 = 3\n\nR2#\n"
     "-9X1 + 30064771072X2 >= 5\n\nR3#\n-16X1 + 8X2 >= 64\n\nR4#\n-16X1 + 0X2 <= 6\n",
     "11"},
    // Cj-Zj of 1e-12 that the decimal run's tolerance counts as zero: it stops at 0.
    {"costs_of_1e-12",
     "D#\n3\n0\n\n1e-12X1 + 1e-12X2 #object function\n\nR1#\n1X1 + 1X2 <= 6\n\nR2#\n"
     "1X1 + 0X2 <= 4\n",
     "3/500000000000"},
};

TEST(ExactDifferential, NamedBadlyScaledProblems) {
    for (const Named& row : kNamed) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(differential::Fault(row.text), "");
        VantrellState state;
        ASSERT_TRUE(differential::OpenAndSolvePrimal(row.text, state));
        const ExactRun* run = KeptExactRun(state, false);
        ASSERT_TRUE(run != nullptr && run->certified) << (run ? run->proofFault : "");
        ASSERT_EQ(run->outcome, RunOutcome::Optimal);
        EXPECT_EQ(ExactString(*StatedObjective(*run)), row.optimum);
        // The decimal run parted from the exact one on every row: the JSON says so.
        const auto answer = SolveAnswer(state, {});
        EXPECT_EQ(answer["primal"]["agree"], false);
        EXPECT_EQ(answer["primal"]["objective"], row.optimum);
    }
}

TEST(ExactDifferential, SeededBadlyScaledProblemsAgreeWithGlpk) {
    std::mt19937 random(20261207);
    for (int problem = 0; problem < 400; ++problem) {
        std::vector<std::uint8_t> bytes(96);
        for (std::uint8_t& byte : bytes) {
            byte = static_cast<std::uint8_t>(random());
        }
        differential::ByteSource source(bytes.data(), bytes.size());
        const std::string text = differential::ProblemText(source);
        for (const SolveMethod method :
             {SolveMethod::BigM, SolveMethod::TwoPhase, SolveMethod::DualSimplex}) {
            EXPECT_EQ(differential::Fault(text, method), "") << SolveMethodWord(method) << "\n"
                                                             << text;
        }
    }
}

}  // namespace
}  // namespace vantrell

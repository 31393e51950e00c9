// SPDX-License-Identifier: GPL-3.0-or-later
// Every output of a run tells the same story: the optimum with the sign the problem
// states, the dual's own objective and strong duality, the deciding tableau of an unbounded
// run, and no special case that is not there. One table of textbook problems, read through
// the explained report, the JSON answer and the LaTeX handout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/json_answer.h"
#include "export/latex_document.h"
#include "export/report_builder.h"
#include "support/problem_builders.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using Texts = std::vector<std::string>;

const ReportClock kClock{12, 7, 2026, 9, 0};

ProblemSet Beale() {
    return MakeProblem(
        {0.75, -20, 0.5, -6},
        {{{0.25, -8, -1, 9}, "<=", 0}, {{0.5, -12, -0.5, 3}, "<=", 0}, {{0, 0, 1, 0}, "<=", 1}});
}

struct Story {
    const char* name;
    ProblemSet problem;
    bool minimize;
    // The JSON's stated objective and the tableaus' value of the primal; "" for none.
    std::string objective;
    std::string tableauObjective;
    Texts inReport;     // each found in the explained report, in fractions
    Texts notInReport;  // none of these may be said
    Texts inLatex;      // each found in the primal's handout
};

std::vector<Story> Stories() {
    return {
        {"Maximization",
         testing::ThreePlants(),
         false,
         "36",
         "36",
         {"    Maximum of Z = 36\n", "Dual Objective: W = 4 Y1 + 12 Y2 + 18 Y3, Minimize\n",
          "    Minimum of W = 36 (the tableaus maximize -W)\n", "Strong duality: Z = W = 36\n"},
         {"Alternative optima"},
         {"Maximum of $Z$ = $36$"}},
        {"MinimizationWithGreaterRows",
         MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}),
         true,
         "9",
         "-9",
         {"    Primal Solution = -9\n", "    Minimum of Z = 9 (the tableaus maximize -Z)\n",
          "so the minimum of Z is 9.", "    Maximum of W = 9\n", "Strong duality: Z = W = 9\n",
          "Minimize Z is solved as Maximize -Z = -2 X1 - 3 X2: the tableaus maximize -Z.",
          "    C1 (>=): surplus S1 subtracted and artificial a1 added: 1 X1 + 1 X2 - S1 + a1 = "
          "4\n"},
         {"Minimum of Z = -9", "optimal with Z = -9"},
         {"Minimum of $Z$ = $9$", "(The tableaus maximize $-Z$.)"}},
        {"TahaEquationRow",
         MakeProblem({4, 1}, {{{3, 1}, "=", 3}, {{4, 3}, ">=", 6}, {{1, 2}, "<=", 4}}),
         true,
         "17/5",
         "-17/5",
         {"    Minimum of Z = 17/5 (the tableaus maximize -Z)\n",
          "    Y1 is free (its row is an equation): it is written Y1 - Y4, both >= 0.\n",
          "Strong duality: Z = W = 17/5\n",
          "    C1 (=): artificial a1 added: 3 X1 + 1 X2 + a1 = 3\n"},
         {"Alternative optima"},
         {"Minimum of $Z$ = $\\frac{17}{5}$"}},
        {"NegativeRightHandSide",
         MakeProblem({1, 1}, {{{-1, -1}, "<=", -4}, {{1, 0}, "<=", 3}}),
         true,
         "4",
         "-4",
         {"    C1: -1 X1 - 1 X2 <= -4 has a negative right-hand side; times -1 it reads 1 X1 + "
          "1 X2 >= 4.\n",
          "    C1 (>=): surplus S1 subtracted and artificial a1 added: 1 X1 + 1 X2 - S1 + a1 = 4\n",
          "    The first basis: a1 and S2.\n"},
         {},
         {"Minimum of $Z$ = $4$"}},
        {"Unbounded",
         MakeProblem({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}}),
         false,
         "",
         "",
         {"Primal Tableau #2\n", "X2: Enters, no row leaves: no entry of its column is positive\n",
          "X2 can grow without limit and Z with it.\n",
          "    The problem is unbounded: X2 can grow without limit and Z with it.\n"},
         {"    X1 = 1\n", "Next X2 would enter"},
         {"\\section*{Primal Tableau 2}", "X2 enters; no row leaves",
          "The problem is unbounded: X2 can grow without limit and Z with it."}},
        {"Infeasible",
         MakeProblem({3, 2}, {{{2, 1}, "<=", 2}, {{3, 4}, ">=", 12}}),
         false,
         "",
         "",
         {"Infeasible: a2 stays basic at 4 > 0"},
         {"Maximum of Z", "Strong duality"},
         {"No Feasible Solution"}},
        {"DegenerateTieIsNoSecondOptimum",
         MakeProblem({0, 1}, {{{0, 1}, "<=", 1}, {{1, 1}, "<=", 1}}),
         false,
         "1",
         "1",
         {"Degenerate tie: X1 is non-basic with Cj-Zj = 0, but its ratio is 0"},
         {"Alternative optima: X1"},
         {"Maximum of $Z$ = $1$"}},
        {"AlternativeOptima",
         MakeProblem({2, 4}, {{{1, 2}, "<=", 5}, {{1, 1}, "<=", 4}}),
         false,
         "10",
         "10",
         {"Alternative optima: X1 is non-basic with Cj-Zj = 0; letting it enter (S2 "
          "leaves)"},
         {"Degenerate tie"},
         {"Maximum of $Z$ = $10$"}},
        {"BealeCycles",
         Beale(),
         false,
         "",
         "",
         {"The basis of this tableau repeats that of tableau #1: under this rule the run goes "
          "round and never ends",
          "    None: the run did not end at an optimum\n"},
         {"every artificial variable"},
         {}},
    };
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(OneStory, EveryOutputTellsTheSameNumbersWithTheSameSigns) {
    for (Story& story : Stories()) {
        VantrellState state =
            testing::SolvedState(story.problem, story.minimize, testing::Runs::Both);
        state.mExplain = true;
        state.mDisplay.numbers = NumberStyle::Fractions;
        const std::string report = BuildReport(state, kClock);
        for (const std::string& part : story.inReport) {
            EXPECT_TRUE(Has(report, part)) << story.name << ": " << part;
        }
        for (const std::string& part : story.notInReport) {
            EXPECT_FALSE(Has(report, part)) << story.name << ": " << part;
        }
        const std::string latex = BuildLatexDocument(state, false);
        for (const std::string& part : story.inLatex) {
            EXPECT_TRUE(Has(latex, part)) << story.name << ": " << part;
        }

        const nlohmann::ordered_json primal = SolveAnswer(state, {})["primal"];
        EXPECT_EQ(primal["sense"], story.minimize ? "min" : "max") << story.name;
        const auto text = [](const nlohmann::ordered_json& value) {
            return value.is_null() ? std::string() : value.get<std::string>();
        };
        EXPECT_EQ(text(primal["objective"]), story.objective) << story.name;
        EXPECT_EQ(text(primal["tableau_objective"]), story.tableauObjective) << story.name;
    }
}

// The JSON's texts are in fractions whatever the display, as its values are; an unbounded
// run's last page is the deciding one.
TEST(OneStory, JsonTextsAreExactAndTheUnboundedRunEndsOnItsDecidingPage) {
    VantrellState state = testing::SolvedState(
        MakeProblem({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}}), false, testing::Runs::Both);
    const nlohmann::ordered_json answer = SolveAnswer(state, {});
    const nlohmann::ordered_json& pages = answer["primal"]["pages"];
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1]["unbounded"], true);
    EXPECT_EQ(pages[1]["entering"], "X2");
    EXPECT_TRUE(pages[1]["leaving"].is_null());
    EXPECT_EQ(answer["primal"]["message"],
              "The problem is unbounded: X2 can grow without limit and Z with it.");
    EXPECT_EQ(answer["dual"]["objective_function"], "W = 1 Y1 + 1 Y2, Minimize");

    VantrellState minimum = testing::SolvedState(
        MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}), true, testing::Runs::Both);
    const nlohmann::ordered_json run = SolveAnswer(minimum, {})["primal"];
    EXPECT_EQ(run["pages"][0]["note"],
              "X1 enters: its Cj-Zj, M - 2, has the largest M part, M; X2 ties with it, and the "
              "larger number part decides (rule: Largest Cj-Zj). S2 leaves: 3/1 = 3 is the "
              "smallest ratio.");
    EXPECT_EQ(run["pages"][0]["z"], (nlohmann::ordered_json{{"m", "-4"}, {"c", "0"}}));
    EXPECT_EQ(SolveAnswer(minimum, {})["strong_duality"], "Strong duality: Z = W = 9");
}

// The batch front end's texts name its flag; the window's name the option.
TEST(OneStory, CyclingAdviceNamesWhatTheReaderCanUse) {
    const struct {
        const char* name;
        bool commandLine;
        const char* advice;
        const char* windowWords;
    } rows[] = {
        {"Window", false, "(Bland's rule in Options never cycles)", "--rule bland"},
        {"CommandLine", true, "(--rule bland never cycles)", "in Options"},
    };
    for (const auto& row : rows) {
        VantrellState state = testing::SolvedState(Beale());
        state.mExplain = true;
        state.mCommandLineWords = row.commandLine;
        const std::string report = BuildReport(state, kClock);
        EXPECT_TRUE(Has(report, row.advice)) << row.name;
        EXPECT_FALSE(Has(report, row.windowWords)) << row.name;
    }
}

}  // namespace
}  // namespace vantrell

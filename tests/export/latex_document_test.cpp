// SPDX-License-Identifier: GPL-3.0-or-later
// The LaTeX export as the File menu runs it; pdflatex itself runs in latex_compiles.
#include "export/latex_document.h"

#include <gtest/gtest.h>

#include "commands/calculate_commands.h"
#include "commands/latex_commands.h"
#include "export/report_builder.h"
#include "simplex/dual_builder.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vantrell {
namespace {

TEST(LatexDocument, SpecialCharactersPrintAsThemselves) {
    const struct {
        const char* name;
        const char* text;
        const char* escaped;
    } rows[] = {
        {"plain", "Machine 1", "Machine 1"},
        {"money_and_percent", "$5 & 10%", "\\$5 \\& 10\\%"},
        {"braces_and_underscore", "{a_b}", "\\{a\\_b\\}"},
        {"tilde_caret_backslash", "~^\\", "\\textasciitilde{}\\textasciicircum{}\\textbackslash{}"},
        {"hash", "#1", "\\#1"},
        {"latin1_bytes_read_as_latin1", "Gr\xFC\xDF", "Gr\xC3\xBC\xC3\x9F"},
        {"utf8_accents_kept",
         "M\xC3\xA9lange \xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "M\xC3\xA9lange \xC5\x81\xC3\xB3"
         "d\xC5\xBA"},
        {"greek_in_math", "\xCE\xB1\xCE\xA9\xCE\x91", "$\\alpha$$\\Omega$$\\mathrm{A}$"},
        {"control_characters_and_blank_lines", "a\n\nb\tc\x01\x7F\xC2\x85", "a  b c   "},
        {"beyond_the_fonts", "\xC4\xA7 \xE4\xB8\xAD \xF0\x9F\x98\x80", "? ? ?"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LatexEscaped(row.text), row.escaped) << row.name;
    }
}

// After X1 enters on 2X1 + X2 <= 4, the second row reads 0, 3/2, -1/2, 1.
TEST(LatexDocument, FractionsKeepTheirSign) {
    VantrellState state =
        testing::SolvedState(testing::MakeProblem({1, 1}, {{{2, 1}, "<=", 4}, {{1, 2}, "<=", 4}}));
    state.mDisplay.numbers = NumberStyle::Fractions;
    const std::string tex = BuildLatexDocument(state, false);
    EXPECT_NE(tex.find("$-\\frac{1}{2}$"), std::string::npos) << tex;
}

// The handout's Duality section says what the report's Duality lines say, and only after an
// optimal primal run.
TEST(LatexDocument, DualitySectionAfterAnOptimalPrimalOnly) {
    const auto solved = [](const ProblemSet& problem, bool minimize) {
        VantrellState state = testing::SolvedState(problem, minimize, testing::Runs::Both);
        state.mDisplay.numbers = NumberStyle::Fractions;
        return state;
    };
    const struct {
        const char* name;
        VantrellState state;
        bool dual;
        std::vector<const char*> parts;  // none: no Duality section
    } rows[] = {
        {"ThreePlantPrimal",
         solved(testing::ThreePlants(), false),
         false,
         {"\\section*{Duality}", "Y2 $=$ $\\frac{3}{2}$ \\quad (C2: the $Z_j$ of S2)\\\\",
          "$W$ = $36$, $Z$ = $36$: $Z = W$, strong duality holds.",
          "C1 & slack $2$ & Y1 & $0$ & $0$ \\\\",
          "X2 & $6$ & surplus of the dual row of X2 & $0$ & $0$ \\\\",
          "The dual's own run: optimum $36$, equal to $W$."}},
        {"AtLeastRowsReadMinusTheSurplus",
         solved(testing::MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 3}, ">=", 6}}), true),
         false,
         {"Y1 $=$ $\\frac{3}{2}$ \\quad (C1: minus the $Z_j$ of S1)", "$W$ = $9$"}},
        {"EquationWithoutItsMPart",
         solved(testing::MakeProblem(
                    {4, 3, 2}, {{{1, 1, 1}, "=", 10}, {{2, 1, 0}, ">=", 8}, {{0, 0, 1}, "<=", 6}}),
                true),
         false,
         {"Y1 $=$ $2$ \\quad (C1: the $Z_j$ of a1, without its M part)"}},
        {"TheDualsOwnHandout", solved(testing::ThreePlants(), false), true, {}},
        {"Infeasible",
         solved(testing::MakeProblem({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, ">=", 5}}), false),
         false,
         {}},
    };
    for (const auto& row : rows) {
        const std::string tex = BuildLatexDocument(row.state, row.dual);
        EXPECT_EQ(tex.find("\\section*{Duality}") != std::string::npos, !row.parts.empty())
            << row.name;
        for (const char* part : row.parts) {
            EXPECT_NE(tex.find(part), std::string::npos) << row.name << ": " << part << "\n" << tex;
        }
    }
}

TEST(LatexExport, RefusesBeforeARunThenWritesTheLastRun) {
    VantrellState state;
    state.mPrimal = testing::MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}});
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    state.mProblemName = "Two_products";
    state.mDisplay = {NumberStyle::Fractions, BigMStyle::Expressions};
    testing::TempDir dir;
    testing::ScriptedPrompt prompt;
    prompt.saveFiles.push_back(dir.File("handout.tex"));

    ExportLatex(state, prompt);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{kNotSolvedMessage});
    EXPECT_TRUE(prompt.saveSpecs.empty());

    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    ExportLatex(state, prompt);
    ASSERT_EQ(prompt.saveSpecs.size(), 1u);
    EXPECT_EQ(prompt.saveSpecs[0].pattern, "*.tex");
    const std::string tex = testing::ReadWholeFile(dir.File("handout.tex"));
    for (const char* part : {"\\section*{Two\\_products}", "Maximize $Z$ = $3$\\,X1 $+$ $2$\\,X2",
                             "\\section*{Primal Tableau 2}", "$\\downarrow$\\,X1",
                             "\\fbox{$1$} & $1$ & $1$ & $0$ & $4$ & $4$ & $\\leftarrow$",
                             "Maximum of $Z$ = $12$", "\\end{document}\n"}) {
        EXPECT_NE(tex.find(part), std::string::npos) << part;
    }

    // Over the open problem file: refused, and the problem file kept.
    state.mFileName = dir.File("two.lp");
    testing::WriteWholeFile(state.mFileName, "problem");
    prompt.saveFiles.push_back(state.mFileName);
    ExportLatex(state, prompt);
    EXPECT_EQ(prompt.messages.back(),
              "Cannot write \"" + state.mFileName + "\": it is the problem file");
    EXPECT_EQ(testing::ReadWholeFile(state.mFileName), "problem");
}

}  // namespace
}  // namespace vantrell

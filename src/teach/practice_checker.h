// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/problem.h"
#include "model/tableau_page.h"

namespace vantrell {

// The decisions a student makes on a page: the entering column, then the leaving row, and
// on the last page the verdict. An unbounded page asks for the verdict in place of the row.
enum class PracticeQuestion { Entering, Leaving, Verdict };

// One answer: a column or row name, one of the three verdicts, or "Show me".
struct PracticeAnswer {
    enum class Kind { Name, Optimal, Unbounded, Infeasible, ShowMe };
    Kind kind = Kind::Name;
    std::string name;
};

// A typed answer: "optimal" (or "done"), "unbounded", "infeasible", "show", or a name.
// Nothing for a blank line.
std::optional<PracticeAnswer> ParsePracticeAnswer(std::string_view line);

// What the checker needs of one page: the names and the numbers as the page shows them,
// and what the engine itself chooses on it.
struct PracticePage {
    std::vector<std::string> columns;
    std::vector<bool> artificial;
    std::vector<BigMValue> cjzj;
    std::vector<std::string> cjzjText;
    std::vector<std::string> basis;
    std::vector<std::string> bText;
    // Per row, for the entering column: whether the ratio test lets it limit the column,
    // its ratio and the ratio's text.
    std::vector<bool> limits;
    std::vector<double> ratios;
    std::vector<std::string> ratioText;
    int entering = -1;  // the engine's column, -1 on a last page
    int leaving = -1;   // the engine's row, -1 when none limits the entering column
    bool infeasible = false;
    int artificialRow = -1;  // on an infeasible page: a row whose artificial stays positive
    PivotRule rule = PivotRule::LargestCjZj;
};

// Reads a page before its pivot. The right answers come from the engine's own choice
// functions, so the rule checked is the rule the run pivots by; shown is the page's text
// in the display options, which gives the numbers the explanations quote.
PracticePage ReadPracticePage(const ProblemSet& work, const std::vector<CostTerm>& basis,
                              const std::vector<BigMValue>& cjzj, const TableauPage& shown,
                              PivotRule rule);

struct PracticeFeedback {
    // NotAChoice: a name the page does not have; it costs no try.
    enum class Result { Right, Wrong, NotAChoice };
    Result result = Result::NotAChoice;
    std::string text;
};

// The first question of a page: the entering column, or the verdict on a last page.
PracticeQuestion FirstQuestion(const PracticePage& page);

// Whether the answer is right, and why not with the page's numbers. Show me is answered
// with what the right answer is and why.
PracticeFeedback CheckPracticeAnswer(const PracticePage& page, PracticeQuestion question,
                                     const PracticeAnswer& answer);

// The right answer as the terminal takes it: a name or "optimal", "unbounded", "infeasible".
std::string RightAnswerWord(const PracticePage& page, PracticeQuestion question);

}  // namespace vantrell

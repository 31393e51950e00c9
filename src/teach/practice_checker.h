// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/pivot_rule.h"
#include "teach/exact_run.h"
#include "teach/step_notes.h"

namespace vantrell {

// The decisions a student makes on a page: the entering column, then the leaving row, and
// on the last page the verdict. An unbounded page asks for the verdict in place of the row.
// Past the pivot, at the arithmetic levels: each row operation, or each row of the next
// tableau.
enum class PracticeQuestion { Entering, Leaving, Verdict, Operation, Row };

// One answer: a column or row name, one of the three verdicts, or "Show me".
struct PracticeAnswer {
    enum class Kind { Name, Optimal, Unbounded, Infeasible, ShowMe };
    Kind kind = Kind::Name;
    std::string name;
};

// A typed answer: "optimal" (or "done"), "unbounded", "infeasible", "show", or a name.
// Nothing for a blank line.
std::optional<PracticeAnswer> ParsePracticeAnswer(std::string_view line);
inline constexpr const char* kBlankAnswerText =
    "Type a column or row name, or choose Optimal, Unbounded or Infeasible";

// Why a pick is no answer to the question: a click or Enter on a tableau line that is no
// row of the basis (lineName "Zj", "Cj-Zj", "Cj", "Basis"), or on a row while a column or
// a verdict is asked (lineName the row's basic variable).
std::string NotAnAnswerText(PracticeQuestion question, std::string_view lineName, bool isRow);

// What the checker needs of one page: the names, the numbers and their texts in the
// display options, and what the rule itself chooses on it.
struct PracticePage {
    std::vector<std::string> columns;
    std::vector<bool> artificial;
    std::vector<ExactMValue> cjzj;
    std::vector<std::string> cjzjText;
    std::vector<std::string> basis;
    std::vector<std::string> bText;
    // Per row, for the entering column: whether the ratio test lets it limit the column,
    // its ratio and the ratio's text.
    std::vector<bool> limits;
    std::vector<std::optional<Rational>> ratios;
    std::vector<std::string> ratioText;
    int entering = -1;  // the engine's column, -1 on a last page
    int leaving = -1;   // the engine's row, -1 when none limits the entering column
    bool infeasible = false;
    int artificialRow = -1;  // on an infeasible page: a row whose artificial stays positive
    // Two-phase: the pivot drives a basic artificial variable at 0 out between the phases
    // (any nonzero entry of its row outside the artificial columns will do); or the page
    // ends Phase I with W = 0 (wText), and Phase II follows.
    bool drivesOut = false;
    bool phaseOneEnd = false;
    // The dual simplex method: the row leaves first (the most negative Bi), then the
    // column with the smallest |Cj-Zj / a_rj| over the row's negative entries enters.
    bool dualSimplex = false;
    std::string wText;
    PivotRule rule = PivotRule::LargestCjZj;
    // On an optimal last page: the columns outside the basis whose Cj-Zj is 0.
    std::vector<std::string> zeroOutsideBasis;
    // For the arithmetic and for a tie broken the other way: the exact page, the run's next
    // page where it has one, the run's columns with their costs, and the number texts.
    ExactPage exact;
    std::optional<ExactPage> after;
    std::vector<CostTerm> objective;
    NoteNumbers numbers;
    // The rule's own column and row once the student broke a tie the other way.
    int ruleEntering = -1;
    int ruleLeaving = -1;
};

// Reads page index (from 0) of the exact run before its pivot; the index just past its
// pages is an unbounded run's stopped page. The right answers are the exact run's own
// choices, made by the rule the decimal run pivots by; numbers write the texts the
// explanations quote, as the page shows them. Nothing past the run's pages.
std::optional<PracticePage> ReadPracticePage(const ExactRun& run, std::size_t index,
                                             const NoteNumbers& numbers);

struct PracticeFeedback {
    // NotAChoice: a name the page does not have; it costs no try.
    enum class Result { Right, Wrong, NotAChoice };
    Result result = Result::NotAChoice;
    std::string text;
    // Right on a tie the rule breaks the other way: the column or row the student chose.
    int tieChoice = -1;
};

// The first question of a page: the entering column (the leaving row for the dual simplex
// method), or the verdict on a last page.
PracticeQuestion FirstQuestion(const PracticePage& page);

// Whether the answer is right, and why not with the page's numbers. Show me is answered
// with what the right answer is and why.
PracticeFeedback CheckPracticeAnswer(const PracticePage& page, PracticeQuestion question,
                                     const PracticeAnswer& answer);

// The page with the student's column in place of the rule's tied one: its ratio test, and
// the rule's column kept in ruleEntering.
PracticePage WithStudentsColumn(const PracticePage& page, int column);
// The page with the student's row in place of the rule's tied one.
PracticePage WithStudentsRow(const PracticePage& page, int row);

// The right answer as the terminal takes it: a name or "optimal", "unbounded", "infeasible".
std::string RightAnswerWord(const PracticePage& page, PracticeQuestion question);

}  // namespace vantrell

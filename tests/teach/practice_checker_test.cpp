// SPDX-License-Identifier: GPL-3.0-or-later
// The practice checker's verdicts and explanations on worked examples.
#include "teach/practice_checker.h"

#include <gtest/gtest.h>

#include "commands/calculate_commands.h"
#include "support/problem_builders.h"
#include "teach/practice_session.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using Kind = PracticeAnswer::Kind;
using Result = PracticeFeedback::Result;
using testing::ThreePlants;
using enum Result;
using enum PracticeQuestion;

// The checker's view of every page of a primal run, the unbounded stop included.
std::vector<PracticePage> Pages(ProblemSet primal, bool minimize,
                                PivotRule rule = PivotRule::LargestCjZj) {
    VantrellState state;
    state.mPivotRule = rule;
    state.mPrimal = std::move(primal);
    state.mMinimize = minimize;
    SilentPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    std::vector<PracticePage> pages;
    for (std::size_t p = 0;; ++p) {
        auto page = ReadPracticePage(*KeptExactRun(state, false), p, NoteNumbersOf(state));
        if (!page) {
            return pages;
        }
        pages.push_back(std::move(*page));
    }
}

// max 2X1 + 2X2: X1 + X2 <= 4, X1 <= 4: a tie in both choices.
ProblemSet Ties() {
    return MakeProblem({2, 2}, {{{1, 1}, "<=", 4}, {{1, 0}, "<=", 4}});
}
// max X1 + X2: X1 + X2 <= 2, X1 + X2 >= 5.
ProblemSet CannotBeMet() {
    return MakeProblem({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, ">=", 5}});
}

struct Case {
    const char* name;
    ProblemSet (*problem)();
    std::size_t page;
    PracticeQuestion question;
    const char* answer;  // as typed in the dialogue
    Result result;
    const char* text;
    PivotRule rule = PivotRule::LargestCjZj;
};

const Case kCases[] = {
    {"RightColumn", ThreePlants, 0, Entering, "x2", Right, "Right: X2 enters"},
    {"WrongColumn", ThreePlants, 0, Entering, "X1", Wrong,
     "X1's Cj-Zj is 3.000, X2's is 5.000: the largest positive enters"},
    {"UnknownColumn", ThreePlants, 0, Entering, "X9", NotAChoice,
     "There is no column X9 on this page"},
    {"PrematureOptimal", ThreePlants, 0, Entering, "optimal", Wrong,
     "X2's Cj-Zj is 5.000 and positive: this tableau is not optimal yet"},
    {"ShowColumn", ThreePlants, 0, Entering, "show", Right,
     "X2 enters: its Cj-Zj 5.000 is the largest positive"},
    {"RightRow", ThreePlants, 0, Leaving, "S2", Right, "Right: S2 leaves"},
    {"WrongRow", ThreePlants, 0, Leaving, "S3", Wrong,
     "S3's ratio 9.000 is not the smallest: S2's is 6.000"},
    {"NoPositiveEntry", ThreePlants, 0, Leaving, "S1", Wrong,
     "S1 has no positive entry in the X2 column: it cannot leave"},
    {"NotUnbounded", ThreePlants, 0, Leaving, "unbounded", Wrong,
     "S2 has a positive entry in the X2 column: the problem is not unbounded"},
    {"ColumnTieIsRight", Ties, 0, Entering, "X2", Right,
     "Right: X2's Cj-Zj 2.000 ties with X1's. The rule takes X1 (on a tie the first column "
     "enters); either gives a valid next tableau"},
    {"RowTieIsRight", Ties, 0, Leaving, "S2", Right,
     "Right: S2's ratio 4.000 ties with S1's. The rule takes S1 (on a tie the first row "
     "leaves); either gives a valid next tableau"},
    {"NotBasic", ThreePlants, 0, Leaving, "X1", Wrong,
     "X1 is not basic: the leaving variable is one of the basic variables, S1, S2 or S3"},
    {"ColumnOnOptimalPage", Ties, 1, Verdict, "X2", Wrong,
     "no Cj-Zj is positive: this tableau is optimal"},
    {"RightOptimal", Ties, 1, Verdict, "optimal", Right,
     "Right: no Cj-Zj is positive: this tableau is optimal"},
    {"OptimalOnInfeasiblePage", CannotBeMet, 1, Verdict, "optimal", Wrong,
     "no Cj-Zj is positive, but the artificial variable a2 is still basic at 3.000: the "
     "tableau solves only the problem with M, not the problem itself, and no column can "
     "lower a2, so the problem is infeasible"},
    {"RightInfeasible", CannotBeMet, 1, Verdict, "infeasible", Right,
     "Right: a2 stays basic at 3.000 and no column can lower it: the problem is infeasible"},
    {"ArtificialColumn", CannotBeMet, 0, Entering, "a2", Wrong,
     "a2 is artificial: an artificial column never enters"},
    {"UnknownNameOnVerdictPage", Ties, 1, Verdict, "Q9", NotAChoice,
     "There is no column or row Q9 on this page"},
    {"BlandsRule", ThreePlants, 0, Entering, "X2", Wrong,
     "X2's Cj-Zj is 5.000, but X1 comes first: with Bland's rule the first column with a "
     "positive Cj-Zj enters",
     PivotRule::SmallestIndex},
};

TEST(PracticeCheckerTest, VerdictsAndExplanations) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::vector<PracticePage> pages = Pages(c.problem(), false, c.rule);
        ASSERT_LT(c.page, pages.size());
        const PracticeFeedback feedback =
            CheckPracticeAnswer(pages[c.page], c.question, *ParsePracticeAnswer(c.answer));
        EXPECT_EQ(feedback.result, c.result);
        EXPECT_EQ(feedback.text, c.text);
    }
}

TEST(PracticeCheckerTest, LastPageAsksForTheVerdictFirst) {
    const std::vector<PracticePage> pages = Pages(ThreePlants(), false);
    ASSERT_GE(pages.size(), 2U);
    EXPECT_EQ(FirstQuestion(pages.front()), PracticeQuestion::Entering);
    EXPECT_EQ(FirstQuestion(pages.back()), PracticeQuestion::Verdict);
    EXPECT_EQ(RightAnswerWord(pages.back(), PracticeQuestion::Verdict), "optimal");
}

// Where round-off makes the decimal run take S2 (0.3/0.1 reads below 3/1), practice reads
// the exact ratios: S1 and S2 tie, and either is right.
TEST(PracticeCheckerTest, AcceptsTheExactRulesAnswerWhereTheRunsPart) {
    const std::vector<PracticePage> pages =
        Pages(MakeProblem({1, 1}, {{{1, 0}, "<=", 3}, {{0.1, 1}, "<=", 0.3}}), false);
    ASSERT_FALSE(pages.empty());
    const auto answer = [&pages](const char* name) {
        return CheckPracticeAnswer(pages[0], Leaving, *ParsePracticeAnswer(name));
    };
    EXPECT_EQ(answer("S1").result, Right);
    EXPECT_EQ(answer("S2").result, Right);
    EXPECT_EQ(answer("S3").text, "There is no row S3 on this page");
}

// A wrong answer costs the first try but not the page; Show me settles as a hint.
TEST(PracticeCheckerTest, SessionRecordsEveryDecision) {
    PracticeSession session(false);
    session.BeginPage(Pages(ThreePlants(), false).front(), TableauPage{}, 1);
    for (const char* line : {"X1", "Q", "X2", "show"}) {
        session.Answer(*ParsePracticeAnswer(line));
    }
    EXPECT_FALSE(session.PageOpen());
    EXPECT_EQ(session.SettledRow(), 1U);
    EXPECT_EQ(PracticeRecordLines(session.Record()),
              (std::vector<std::string>{"Practice of the primal", "Tableau 1, entering X2: X1 X2",
                                        "Tableau 1, leaving S2: show (shown)", "Hints taken: 1",
                                        "Right at the first try: 0 of 2"}));
}

// A tie broken the other way is worked with the student's pivot: entering X2 in place of
// X1 leaves R2 as it was, where the rule's pivot would subtract R1 from it. The run's last
// page has X2 outside the basis at a Cj-Zj of 0: an alternative optimum.
TEST(PracticeCheckerTest, TieChoiceIsWorkedAndTheAlternativeOptimumNamed) {
    const std::vector<PracticePage> pages = Pages(Ties(), false);
    ASSERT_EQ(pages.size(), 2U);
    PracticeSession session(false, PracticeLevel::Tableau);
    session.BeginPage(pages[0], TableauPage{}, 1);
    for (const char* line : {"X2", "S1", "1 1 1 0 4", "1 0 0 1 4", "2 2 2 0", "0 0 -2 0"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(session.AnswerLine(line).result, Right) << session.LastFeedback();
    }
    EXPECT_FALSE(session.PageOpen());
    session.BeginPage(pages[1], TableauPage{}, 2);
    EXPECT_EQ(session.AnswerLine("optimal").result, Right);
    const PracticeRecord& record = session.Record();
    EXPECT_EQ(record.CellsRightFirstTry(), 18);
    EXPECT_EQ(PracticeSummaryLines(record),
              (std::vector<std::string>{
                  "Tableau 1: X2 entered on a tie; the rule takes X1, and the run goes on from "
                  "the rule's choice",
                  "Alternative optimum: X2 is outside the basis with a Cj-Zj of 0; bringing it "
                  "in gives another optimal tableau with the same Z",
                  "Hints taken: 0", "Choices: Right at the first try: 3 of 3",
                  "Cells: Right at the first try: 18 of 18"}));
}

// Each cell counts a mistake once; the most common one is named with its row.
TEST(PracticeCheckerTest, MostCommonMistakeCountsCells) {
    PracticeSession session(false, PracticeLevel::Tableau);
    session.BeginPage(Pages(ThreePlants(), false).front(), TableauPage{}, 1);
    // X2 enters, S2 leaves: R2 <- R2 / 2, R3 <- R3 - 2 R2; Zj 0 5 0 5/2 0.
    for (const char* line : {"X2", "S2", "0 1 0 1/2 0 6", "1 0 1 0 0 4", "3 0 0 -1 1 6",
                             "0 0 0 0 0", "0 0 0 0 0", "show"}) {
        session.AnswerLine(line);
    }
    EXPECT_EQ(MostCommonMistake(session.Record()), "Zj row: 2 cells, multiplied by the wrong Cb");
    EXPECT_EQ(session.Record().HintsTaken(), 1);
}

}  // namespace
}  // namespace vantrell

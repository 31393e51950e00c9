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

// The checker's view of every shown page of a primal run.
class PageReader : public PagePresenter {
  public:
    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        pages.push_back(
            ReadPracticePage(state.mWork, state.mBasis, state.mCjZj, page, state.mPivotRule));
    }
    std::vector<PracticePage> pages;
};

std::vector<PracticePage> Pages(ProblemSet primal, bool minimize,
                                PivotRule rule = PivotRule::LargestCjZj) {
    VantrellState state;
    state.mPivotRule = rule;
    state.mPrimal = std::move(primal);
    state.mMinimize = minimize;
    SilentPrompt prompt;
    PageReader reader;
    CalculatePrimal(state, prompt, reader);
    return reader.pages;
}

// max 3X1 + 5X2: X1 <= 4, 2X2 <= 12, 3X1 + 2X2 <= 18.
ProblemSet Plants() {
    return MakeProblem({3, 5}, {{{1, 0}, "<=", 4}, {{0, 2}, "<=", 12}, {{3, 2}, "<=", 18}});
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
    PracticeAnswer answer;
    Result result;
    const char* text;
};

const Case kCases[] = {
    {"RightColumn",
     Plants,
     0,
     PracticeQuestion::Entering,
     {Kind::Name, "x2"},
     Result::Right,
     "Right: X2 enters"},
    {"WrongColumn",
     Plants,
     0,
     PracticeQuestion::Entering,
     {Kind::Name, "X1"},
     Result::Wrong,
     "X1's Cj-Zj is 3.000, X2's is 5.000: the largest positive enters"},
    {"UnknownColumn",
     Plants,
     0,
     PracticeQuestion::Entering,
     {Kind::Name, "X9"},
     Result::NotAChoice,
     "There is no column X9 on this page"},
    {"PrematureOptimal",
     Plants,
     0,
     PracticeQuestion::Entering,
     {Kind::Optimal, ""},
     Result::Wrong,
     "X2's Cj-Zj is 5.000 and positive: this tableau is not optimal yet"},
    {"ShowColumn",
     Plants,
     0,
     PracticeQuestion::Entering,
     {Kind::ShowMe, ""},
     Result::Right,
     "X2 enters: its Cj-Zj 5.000 is the largest positive"},
    {"RightRow",
     Plants,
     0,
     PracticeQuestion::Leaving,
     {Kind::Name, "S2"},
     Result::Right,
     "Right: S2 leaves"},
    {"WrongRow",
     Plants,
     0,
     PracticeQuestion::Leaving,
     {Kind::Name, "S3"},
     Result::Wrong,
     "S3's ratio 9.000 is not the smallest: S2's is 6.000"},
    {"NoPositiveEntry",
     Plants,
     0,
     PracticeQuestion::Leaving,
     {Kind::Name, "S1"},
     Result::Wrong,
     "S1 has no positive entry in the X2 column: it cannot leave"},
    {"NotUnbounded",
     Plants,
     0,
     PracticeQuestion::Leaving,
     {Kind::Unbounded, ""},
     Result::Wrong,
     "S2 has a positive entry in the X2 column: the problem is not unbounded"},
    {"ColumnTie",
     Ties,
     0,
     PracticeQuestion::Entering,
     {Kind::Name, "X2"},
     Result::Wrong,
     "X2's Cj-Zj 2.000 ties with X1's: on a tie the first column enters"},
    {"RowTie",
     Ties,
     0,
     PracticeQuestion::Leaving,
     {Kind::Name, "S2"},
     Result::Wrong,
     "S2's ratio 4.000 ties with S1's: on a tie the first row leaves"},
    {"ColumnOnOptimalPage",
     Ties,
     1,
     PracticeQuestion::Verdict,
     {Kind::Name, "X2"},
     Result::Wrong,
     "no Cj-Zj is positive: this tableau is optimal \u2014 press Done"},
    {"RightOptimal",
     Ties,
     1,
     PracticeQuestion::Verdict,
     {Kind::Optimal, ""},
     Result::Right,
     "Right: no Cj-Zj is positive: this tableau is optimal"},
    {"OptimalOnInfeasiblePage",
     CannotBeMet,
     1,
     PracticeQuestion::Verdict,
     {Kind::Optimal, ""},
     Result::Wrong,
     "a2 stays basic at 3.000 and no column can lower it: the problem is infeasible"},
    {"RightInfeasible",
     CannotBeMet,
     1,
     PracticeQuestion::Verdict,
     {Kind::Infeasible, ""},
     Result::Right,
     "Right: a2 stays basic at 3.000 and no column can lower it: the problem is infeasible"},
};

TEST(PracticeCheckerTest, VerdictsAndExplanations) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::vector<PracticePage> pages = Pages(c.problem(), false);
        ASSERT_LT(c.page, pages.size());
        const PracticeFeedback feedback = CheckPracticeAnswer(pages[c.page], c.question, c.answer);
        EXPECT_EQ(feedback.result, c.result);
        EXPECT_EQ(feedback.text, c.text);
    }
}

TEST(PracticeCheckerTest, BlandsRuleIsTheRuleChecked) {
    const PracticePage first = Pages(Plants(), false, PivotRule::SmallestIndex).front();
    const PracticeFeedback largest =
        CheckPracticeAnswer(first, PracticeQuestion::Entering, {Kind::Name, "X2"});
    EXPECT_EQ(largest.result, Result::Wrong);
    EXPECT_EQ(largest.text,
              "X2's Cj-Zj is 5.000, but X1 comes first: with Bland's rule the "
              "first column with a positive Cj-Zj enters");
}
TEST(PracticeCheckerTest, LastPageAsksForTheVerdictFirst) {
    const std::vector<PracticePage> pages = Pages(Plants(), false);
    ASSERT_GE(pages.size(), 2U);
    EXPECT_EQ(FirstQuestion(pages.front()), PracticeQuestion::Entering);
    EXPECT_EQ(FirstQuestion(pages.back()), PracticeQuestion::Verdict);
    EXPECT_EQ(RightAnswerWord(pages.back(), PracticeQuestion::Verdict), "optimal");
}

// A wrong answer costs the first try but not the page; Show me settles as a hint.
TEST(PracticeCheckerTest, SessionRecordsEveryDecision) {
    PracticeSession session(false);
    session.BeginPage(Pages(Plants(), false).front(), TableauPage{}, 1);
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

}  // namespace
}  // namespace vantrell

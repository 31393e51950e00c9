// SPDX-License-Identifier: GPL-3.0-or-later
// The two-phase method against big M on textbook problems: the same answer, Phase I as the
// textbooks count it, the pass between the phases, and no M anywhere.
#include "teach/two_phase.h"

#include <gtest/gtest.h>

#include "support/problem_builders.h"
#include "teach/practice_checker.h"
#include "teach/practice_session.h"
#include "teach/sensitivity.h"
#include "teach/special_cases.h"
#include "teach/step_notes.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::SolvedState;
using Lines = std::vector<std::string>;

const NoteNumbers kFractions{{NumberStyle::Fractions, BigMStyle::Expressions}, 3, false};

int PhaseOnePages(const ExactRun& run) {
    int count = 0;
    for (const ExactPage& page : run.pages) {
        count += page.phase == 1 ? 1 : 0;
    }
    return count;
}

bool ShowsAnM(const ExactPage& page) {
    const auto hasM = [](const std::vector<ExactMValue>& values) {
        return std::any_of(values.begin(), values.end(),
                           [](const ExactMValue& v) { return v.hasM && v.m != 0; });
    };
    return hasM(page.cj) || hasM(page.cb) || hasM(page.zj) || hasM(page.cjzj) || page.zM != 0;
}

struct Textbook {
    const char* name;
    ProblemSet problem;
    bool minimize;
    RunOutcome outcome;
    const char* optimum;  // as stated; "" when there is none
    int phaseOnePages;    // 0: no artificial variable, no Phase I
    const char* w;        // W at Phase I's end; "" without a Phase I
    int pages;
    Lines redundant;
};

const Textbook kTextbook[] = {
    // Hillier and Lieberman's radiation therapy: Phase I takes three pivots, Phase II one.
    {"RadiationTherapy",
     MakeProblem({0.4, 0.5}, {{{0.3, 0.1}, "<=", 2.7, "Liver"},
                              {{0.5, 0.5}, "=", 6, "Spine"},
                              {{0.6, 0.4}, ">=", 6, "Tumor"}}),
     true,
     RunOutcome::Optimal,
     "21/4",
     4,
     "0",
     6,
     {}},
    // Taha's two-phase example: min 4X1 + X2 with an equation, a >= and a <= row.
    {"TahaTwoPhase",
     MakeProblem({4, 1}, {{{3, 1}, "=", 3}, {{4, 3}, ">=", 6}, {{1, 2}, "<=", 4}}),
     true,
     RunOutcome::Optimal,
     "17/5",
     3,
     "0",
     5,
     {}},
    {"Infeasible",
     MakeProblem({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, ">=", 5, "Demand"}}),
     false,
     RunOutcome::Infeasible,
     "",
     2,
     "3",
     2,
     {}},
    {"RedundantEquation",
     MakeProblem({1, 2}, {{{1, 1}, "=", 4}, {{2, 2}, "=", 8}, {{1, 0}, "<=", 3}}),
     false,
     RunOutcome::Optimal,
     "8",
     3,
     "0",
     5,
     {"a2"}},
    // Phase I ends with a2 basic at 0; a pivot on X3's -1 drives it out.
    {"ArtificialLeftAtZero",
     MakeProblem({1, 2, -1}, {{{1, 1, 0}, "=", 2}, {{2, 2, -1}, "=", 4}, {{0, 1, 0}, "<=", 1.5}}),
     false,
     RunOutcome::Optimal,
     "7/2",
     3,
     "0",
     5,
     {}},
    {"Unbounded",
     MakeProblem({1, 1}, {{{1, -1}, ">=", 1}, {{0, 1}, ">=", 1}}),
     false,
     RunOutcome::Unbounded,
     "",
     3,
     "0",
     3,
     {}},
    {"NoArtificialVariable",
     testing::ThreePlants(),
     false,
     RunOutcome::Optimal,
     "36",
     0,
     "",
     3,
     {}},
};

TEST(TwoPhase, SameAnswerAsBigMWithPhaseOneAsTheTextbooksCountIt) {
    for (const Textbook& row : kTextbook) {
        SCOPED_TRACE(row.name);
        const VantrellState bigM = SolvedState(row.problem, row.minimize);
        const VantrellState twoPhase = SolvedState(row.problem, row.minimize, testing::Runs::Primal,
                                                   PivotRule::LargestCjZj, SolveMethod::TwoPhase);
        const ExactRun& m = *KeptExactRun(bigM, false);
        const ExactRun& run = *KeptExactRun(twoPhase, false);
        EXPECT_EQ(run.method, SolveMethod::TwoPhase);
        EXPECT_EQ(m.outcome, row.outcome);
        EXPECT_EQ(run.outcome, row.outcome);
        EXPECT_TRUE(run.certified) << run.proofFault;
        const auto optimum = StatedObjective(run);
        EXPECT_EQ(optimum ? ExactString(*optimum) : "", row.optimum);
        EXPECT_EQ(optimum, StatedObjective(m));
        EXPECT_EQ(PhaseOnePages(run), row.phaseOnePages);
        const auto w = PhaseOneW(run);
        EXPECT_EQ(w ? ExactString(*w) : "", row.w);
        EXPECT_EQ(static_cast<int>(run.pages.size()), row.pages);
        EXPECT_EQ(twoPhase.mPrimalTableauCount, row.pages);
        EXPECT_EQ(run.redundantRows, row.redundant);
        for (const ExactPage& page : run.pages) {
            EXPECT_FALSE(ShowsAnM(page));
            EXPECT_NE(page.phase, 0);
            // Phase II shows the artificial columns no more.
            for (const std::string& column : page.columnNames) {
                EXPECT_TRUE(page.phase == 1 || column.front() != 'a') << column;
            }
        }
        // Phase II starting from Phase I's last basis is no cycle.
        for (const std::string& note : StepNotes(run, run.unboundedEnd, kFractions)) {
            EXPECT_EQ(note.find("repeats"), std::string::npos) << note;
        }
        // Sensitivity after Phase II, of every optimum whose rows all stay; where big M
        // ends at the same basis, the same ranges. (Big M may end with an artificial
        // variable basic at 0, where the pass drives it out.)
        const auto mine = KeptRunSensitivity(twoPhase, false);
        const auto theirs = KeptRunSensitivity(bigM, false);
        EXPECT_EQ(mine.has_value(), row.outcome == RunOutcome::Optimal && row.redundant.empty());
        if (mine && theirs) {
            EXPECT_EQ(ConstraintTable(*mine, kFractions), ConstraintTable(*theirs, kFractions));
            EXPECT_EQ(VariableTable(*mine, kFractions), VariableTable(*theirs, kFractions));
        }
    }
}

// The notes that tell the phases apart, and the special case of an infeasible Phase I.
TEST(TwoPhase, NotesSayThePhaseAndThePass) {
    const struct {
        const char* name;
        std::size_t textbook;
        std::size_t page;
        const char* part;
    } rows[] = {
        {"PhaseOnePivot", 0, 0, "Phase I: X1 enters: its Cj-Zj, 11/10, is the largest positive"},
        {"PhaseOneEndsFeasible", 0, 3,
         "Phase I ends with W = 0: the problem is feasible. No artificial variable is left in "
         "the basis: Phase II starts from this basis."},
        {"PhaseTwoStarts", 0, 4,
         "Phase II: the artificial columns are dropped and Cj is the objective's own again"},
        {"PhaseOneEndsInfeasible", 2, 1, "Phase I ends with W = 3 > 0"},
        {"RedundantRowDropped", 3, 3,
         "The row of a2 has no nonzero entry outside the artificial columns: its equation is "
         "redundant"},
        {"DrivenOut", 4, 1, "a2 is still basic, at 0: it leaves by a pivot on X3 in its row"},
        {"NoPhaseOne", 6, 0, "there is no Phase I"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Textbook& book = kTextbook[row.textbook];
        const VantrellState state = SolvedState(book.problem, book.minimize, testing::Runs::Primal,
                                                PivotRule::LargestCjZj, SolveMethod::TwoPhase);
        const ExactRun& run = *KeptExactRun(state, false);
        const Lines notes = StepNotes(run, run.unboundedEnd, kFractions);
        ASSERT_LT(row.page, notes.size());
        EXPECT_NE(notes[row.page].find(row.part), std::string::npos) << notes[row.page];
    }
    const Textbook& infeasible = kTextbook[2];
    const VantrellState state =
        SolvedState(infeasible.problem, infeasible.minimize, testing::Runs::Primal,
                    PivotRule::LargestCjZj, SolveMethod::TwoPhase);
    EXPECT_EQ(KeptRunSpecialCases(state, false),
              Lines{"Phase I ends with W = 3.000 > 0: infeasible; a2 (constraint Demand) stays "
                    "positive."});
}

// Between the phases any nonzero entry of the artificial variable's row drives it out; the
// student is told which the run takes.
TEST(TwoPhase, PractisingThePass) {
    const Textbook& book = kTextbook[4];
    const VantrellState state = SolvedState(book.problem, book.minimize, testing::Runs::Primal,
                                            PivotRule::LargestCjZj, SolveMethod::TwoPhase);
    const auto page = ReadPracticePage(*KeptExactRun(state, false), 1, kFractions);
    ASSERT_TRUE(page && page->drivesOut);
    const struct {
        const char* name;
        PracticeAnswer answer;
        PracticeFeedback::Result result;
        const char* text;
    } rows[] = {
        {"RunsColumn",
         {PracticeAnswer::Kind::Name, "X3"},
         PracticeFeedback::Result::Right,
         "Right: X3 enters and drives a2 out"},
        {"ZeroEntry",
         {PracticeAnswer::Kind::Name, "X2"},
         PracticeFeedback::Result::Wrong,
         "X2 has 0 in a2's row: pivoting there cannot drive it out"},
        {"Artificial",
         {PracticeAnswer::Kind::Name, "a1"},
         PracticeFeedback::Result::Wrong,
         "a1 is artificial: an artificial column never enters"},
        {"OptimalTooSoon",
         {PracticeAnswer::Kind::Optimal, ""},
         PracticeFeedback::Result::Wrong,
         "Phase I is at its optimum, but a2 is still basic at 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PracticeFeedback feedback =
            CheckPracticeAnswer(*page, PracticeQuestion::Entering, row.answer);
        EXPECT_EQ(feedback.result, row.result);
        EXPECT_TRUE(feedback.text.starts_with(row.text)) << feedback.text;
    }
}

// Phase I's verdict settles its page, not the practice: the window goes on to Phase II.
TEST(TwoPhase, PhaseOnesVerdictLeadsOnToPhaseTwo) {
    const Textbook& book = kTextbook[0];
    const VantrellState state = SolvedState(book.problem, book.minimize, testing::Runs::Primal,
                                            PivotRule::LargestCjZj, SolveMethod::TwoPhase);
    const ExactRun& run = *KeptExactRun(state, false);
    PracticeSession session(false);
    for (const std::size_t index : {std::size_t{3}, run.pages.size() - 1}) {
        session.BeginPage(*ReadPracticePage(run, index, kFractions), {}, static_cast<int>(index));
        ASSERT_EQ(session.Question(), PracticeQuestion::Verdict);
        session.Answer({PracticeAnswer::Kind::Optimal, ""});
        EXPECT_EQ(session.Finished(), index + 1 == run.pages.size()) << index;
    }
}

}  // namespace
}  // namespace vantrell

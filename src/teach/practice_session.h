// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/practice_level.h"
#include "model/tableau_page.h"
#include "teach/next_tableau.h"
#include "teach/practice_checker.h"

namespace vantrell {

// One cell (or one row operation) of a next tableau the student made.
struct CellDecision {
    int tableau = 0;  // the page the pivot is made on, from 1
    TableauRowKind kind = TableauRowKind::PivotRow;
    std::string label;  // "R1 (X1, the pivot row): X2", "R3 <- R3 - ? R2"
    bool rightFirstTry = false;
    bool shown = false;
    bool settled = false;
    std::vector<CellMistake> mistakes;  // one per wrong try
};

// One decision the student was asked: the answers given, in order, and how it went.
struct PracticeDecision {
    int tableau = 0;  // the page's number, from 1
    PracticeQuestion question = PracticeQuestion::Entering;
    std::string right;                 // the right answer, as the terminal takes it
    std::vector<std::string> answers;  // what the student gave, "show" for Show me
    bool rightFirstTry = false;
    bool hintTaken = false;
    bool settled = false;  // answered right or shown
};

// The practice part of a run record: every decision asked, in the order asked.
struct PracticeRecord {
    bool dual = false;
    PracticeLevel level = PracticeLevel::Choices;
    std::vector<PracticeDecision> decisions;
    std::vector<CellDecision> cells;
    int rowsShown = 0;               // rows or operations filled in on request
    std::string unfinished;          // "This practice is unfinished: ..." when the student left
    std::vector<std::string> notes;  // the alternative optimum, the rule's choice on a tie

    // Decisions that were answered at least once: a question left open at the end of the
    // input is no miss.
    int Asked() const;
    int RightFirstTry() const;
    int HintsTaken() const;
    int CellsAsked() const;
    int CellsRightFirstTry() const;
};

// "Right at the first try: K of N".
std::string PracticeSummaryLine(const PracticeRecord& record);
// "Hints taken: H".
std::string PracticeHintsLine(const PracticeRecord& record);
// The end of a practice as the terminal and the review show it: the notes, the hints, the
// summary of the choices, at the arithmetic levels that of the cells and the most common
// mistake, and whether it is unfinished. At the choices level of a finished run without
// notes: the hints and "Right at the first try: K of N", as always.
std::vector<std::string> PracticeSummaryLines(const PracticeRecord& record);
// "Zj row: 3 cells, multiplied by the wrong Cb"; nothing without a wrong cell.
std::optional<std::string> MostCommonMistake(const PracticeRecord& record);
// The record as text lines, one per decision, then the hints and the summary: what the review
// window and the report show of a practice run.
std::vector<std::string> PracticeRecordLines(const PracticeRecord& record);

// The student's side of a run, one page at a time: the run hands in each page before its
// pivot, the front end asks the questions and hands in the answers, the run pivots when
// the page is settled. A wrong answer changes nothing but the record.
class PracticeSession {
  public:
    explicit PracticeSession(bool dual, PracticeLevel level = PracticeLevel::Choices) {
        mRecord.dual = dual;
        mRecord.level = level;
    }

    void BeginPage(PracticePage page, TableauPage shown, int tableau);
    // A question waits for its answer.
    bool PageOpen() const { return mOpen; }
    PracticeQuestion Question() const { return mQuestion; }
    std::string QuestionText() const;
    PracticeFeedback Answer(const PracticeAnswer& answer);
    // A typed line: a choice, a row operation's number, or a row's cells ("show" fills it in).
    PracticeFeedback AnswerLine(std::string_view line);
    // At the arithmetic levels: the columns of the row asked, and the next tableau's rows
    // made so far (label and cell texts).
    std::vector<std::string> AskedColumns() const;
    std::vector<std::string> RowsMade() const { return mRowsMade; }

    // The page as the student sees it: the ratios stay blank until the leaving row is
    // settled, as working them out is part of the exercise.
    TableauPage View() const;
    // The column and row settled so far, for the marks.
    std::optional<std::size_t> SettledColumn() const;
    std::optional<std::size_t> SettledRow() const;
    // The feedback of the last answer, also across pages: the next page shows it.
    const std::string& LastFeedback() const { return mLastFeedback; }

    // The student left: the run goes on without asking.
    void Stop();
    bool Stopped() const { return mStopped; }
    // The run's last verdict is settled.
    bool Finished() const { return mFinished; }
    const PracticeRecord& Record() const { return mRecord; }

  private:
    std::string TableauLabel(int tableau) const;
    void Ask(PracticeQuestion question);
    void PivotSettled();
    void TieBrokenOtherWay(int choice);
    void NextArithmeticStep();
    PracticeFeedback AnswerOperation(std::string_view line);
    PracticeFeedback AnswerRow(std::string_view line);
    std::string RowText(const std::vector<Rational>& row) const;

    PracticeRecord mRecord;
    PracticePage mPage;
    TableauPage mShown;
    PracticeQuestion mQuestion = PracticeQuestion::Entering;
    int mTableau = 0;
    bool mOpen = false;
    bool mStopped = false;
    bool mFinished = false;
    bool mColumnSettled = false;
    bool mRowSettled = false;
    std::string mLastFeedback;
    std::optional<NextTableau> mNext;
    std::size_t mStep = 0;                // the operation (in OperationOrder) or row step asked
    std::vector<std::size_t> mCellIndex;  // per cell of the step asked: its CellDecision
    std::vector<std::string> mRowsMade;
};

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/tableau_page.h"
#include "teach/practice_checker.h"

namespace vantrell {

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
    std::vector<PracticeDecision> decisions;

    int Asked() const { return static_cast<int>(decisions.size()); }
    int RightFirstTry() const;
    int HintsTaken() const;
};

// "Right at the first try: K of N".
std::string PracticeSummaryLine(const PracticeRecord& record);
// "Hints taken: H".
std::string PracticeHintsLine(const PracticeRecord& record);
// The record as text lines, one per decision, then the hints and the summary: what the review
// window and the report show of a practice run.
std::vector<std::string> PracticeRecordLines(const PracticeRecord& record);

// The student's side of a run, one page at a time: the run hands in each page before its
// pivot, the front end asks the questions and hands in the answers, the run pivots when
// the page is settled. A wrong answer changes nothing but the record.
class PracticeSession {
  public:
    explicit PracticeSession(bool dual) { mRecord.dual = dual; }

    void BeginPage(PracticePage page, TableauPage shown, int tableau);
    // A question waits for its answer.
    bool PageOpen() const { return mOpen; }
    PracticeQuestion Question() const { return mQuestion; }
    std::string QuestionText() const;
    PracticeFeedback Answer(const PracticeAnswer& answer);

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
    void Ask(PracticeQuestion question);

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
};

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/practice_session.h"

#include <algorithm>

namespace vantrell {
namespace {

std::string AnswerWord(const PracticeAnswer& answer) {
    switch (answer.kind) {
        case PracticeAnswer::Kind::Name:
            return answer.name;
        case PracticeAnswer::Kind::Optimal:
            return "optimal";
        case PracticeAnswer::Kind::Unbounded:
            return "unbounded";
        case PracticeAnswer::Kind::Infeasible:
            return "infeasible";
        case PracticeAnswer::Kind::ShowMe:
            break;
    }
    return "show";
}

const char* QuestionWord(PracticeQuestion question) {
    switch (question) {
        case PracticeQuestion::Entering:
            return "entering";
        case PracticeQuestion::Leaving:
            return "leaving";
        case PracticeQuestion::Verdict:
            break;
    }
    return "verdict";
}

}  // namespace

int PracticeRecord::RightFirstTry() const {
    return static_cast<int>(std::count_if(decisions.begin(), decisions.end(),
                                          [](const auto& d) { return d.rightFirstTry; }));
}

int PracticeRecord::HintsTaken() const {
    return static_cast<int>(std::count_if(decisions.begin(), decisions.end(),
                                          [](const auto& d) { return d.hintTaken; }));
}

std::string PracticeSummaryLine(const PracticeRecord& record) {
    return "Right at the first try: " + std::to_string(record.RightFirstTry()) + " of " +
           std::to_string(record.Asked());
}

std::string PracticeHintsLine(const PracticeRecord& record) {
    return "Hints taken: " + std::to_string(record.HintsTaken());
}

std::vector<std::string> PracticeRecordLines(const PracticeRecord& record) {
    std::vector<std::string> lines;
    lines.push_back(record.dual ? "Practice of the dual" : "Practice of the primal");
    for (const PracticeDecision& decision : record.decisions) {
        std::string line = "Tableau " + std::to_string(decision.tableau) + ", " +
                           QuestionWord(decision.question) + " " + decision.right + ":";
        if (decision.answers.empty()) {
            line += " not answered";
        }
        for (const std::string& answer : decision.answers) {
            line += " " + answer;
        }
        if (decision.rightFirstTry) {
            line += " (right at the first try)";
        } else if (decision.hintTaken) {
            line += " (shown)";
        }
        lines.push_back(std::move(line));
    }
    lines.push_back(PracticeHintsLine(record));
    lines.push_back(PracticeSummaryLine(record));
    return lines;
}

void PracticeSession::BeginPage(PracticePage page, TableauPage shown, int tableau) {
    mPage = std::move(page);
    mShown = std::move(shown);
    mTableau = tableau;
    mColumnSettled = false;
    mRowSettled = false;
    if (!mStopped) {
        Ask(FirstQuestion(mPage));
    }
}

void PracticeSession::Ask(PracticeQuestion question) {
    mQuestion = question;
    mOpen = true;
    PracticeDecision decision;
    decision.tableau = mTableau;
    decision.question = question;
    decision.right = RightAnswerWord(mPage, question);
    mRecord.decisions.push_back(std::move(decision));
}

std::string PracticeSession::QuestionText() const {
    switch (mQuestion) {
        case PracticeQuestion::Entering:
            return "Tableau " + std::to_string(mTableau) + ": which column enters?";
        case PracticeQuestion::Leaving:
            return "Tableau " + std::to_string(mTableau) + ": " +
                   mPage.columns[static_cast<std::size_t>(mPage.entering)] +
                   " enters; which row leaves?";
        case PracticeQuestion::Verdict:
            break;
    }
    return "Tableau " + std::to_string(mTableau) + ": what does this tableau show?";
}

PracticeFeedback PracticeSession::Answer(const PracticeAnswer& answer) {
    if (!mOpen) {
        return {PracticeFeedback::Result::NotAChoice, "There is no question to answer"};
    }
    PracticeFeedback feedback = CheckPracticeAnswer(mPage, mQuestion, answer);
    mLastFeedback = feedback.text;
    if (feedback.result == PracticeFeedback::Result::NotAChoice) {
        return feedback;
    }
    PracticeDecision& decision = mRecord.decisions.back();
    const bool first = decision.answers.empty();
    decision.answers.push_back(AnswerWord(answer));
    if (feedback.result == PracticeFeedback::Result::Wrong) {
        return feedback;
    }
    const bool shown = answer.kind == PracticeAnswer::Kind::ShowMe;
    decision.hintTaken = shown;
    decision.rightFirstTry = first && !shown;
    decision.settled = true;
    mOpen = false;
    if (mQuestion == PracticeQuestion::Entering) {
        mColumnSettled = true;
        Ask(PracticeQuestion::Leaving);
    } else if (mQuestion == PracticeQuestion::Leaving && mPage.leaving >= 0) {
        mRowSettled = true;
    } else {
        mFinished = true;  // a verdict ends the run
    }
    return feedback;
}

TableauPage PracticeSession::View() const {
    TableauPage view = mShown;
    if (!mRowSettled) {
        const std::size_t rows = mPage.basis.size();
        for (std::size_t r = 0; r < rows && r + 2 < view.mRows.size(); ++r) {
            if (!view.mRows[r + 2].empty()) {
                view.mRows[r + 2].back().clear();
            }
        }
    }
    return view;
}

std::optional<std::size_t> PracticeSession::SettledColumn() const {
    if (!mColumnSettled || mPage.entering < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(mPage.entering);
}

std::optional<std::size_t> PracticeSession::SettledRow() const {
    if (!mRowSettled || mPage.leaving < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(mPage.leaving);
}

void PracticeSession::Stop() {
    mStopped = true;
    mOpen = false;
}

}  // namespace vantrell

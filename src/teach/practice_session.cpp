// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/practice_session.h"

#include <algorithm>
#include <map>

#include "teach/typed_value.h"

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
        case PracticeQuestion::Operation:
        case PracticeQuestion::Row:
            break;
    }
    return "verdict";
}

constexpr const char* kChoiceHelp =
    "Answer with a column or row name, or optimal, unbounded, infeasible or show";

bool AsksForShow(std::string_view line) {
    std::string lower;
    for (const char c : line) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return lower == "show" || lower == "showrow" || lower == "showme";
}

std::string AlternativeOptimumNote(const std::vector<std::string>& columns) {
    std::string names;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        names += (k == 0 ? "" : k + 1 == columns.size() ? " and " : ", ") + columns[k];
    }
    const bool one = columns.size() == 1;
    return "Alternative optimum: " + names + (one ? " is" : " are") +
           " outside the basis with a Cj-Zj of 0; bringing " + (one ? "it" : "one") +
           " in gives another optimal tableau with the same Z";
}

std::string Plural(int count, const char* word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

}  // namespace

int PracticeRecord::Asked() const {
    return static_cast<int>(std::count_if(decisions.begin(), decisions.end(),
                                          [](const auto& d) { return !d.answers.empty(); }));
}

int PracticeRecord::CellsAsked() const {
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [](const auto& c) {
        return c.settled || !c.mistakes.empty();
    }));
}

int PracticeRecord::CellsRightFirstTry() const {
    return static_cast<int>(
        std::count_if(cells.begin(), cells.end(), [](const auto& c) { return c.rightFirstTry; }));
}

int PracticeRecord::RightFirstTry() const {
    return static_cast<int>(std::count_if(decisions.begin(), decisions.end(),
                                          [](const auto& d) { return d.rightFirstTry; }));
}

int PracticeRecord::HintsTaken() const {
    return rowsShown + static_cast<int>(std::count_if(decisions.begin(), decisions.end(),
                                                      [](const auto& d) { return d.hintTaken; }));
}

std::optional<std::string> MostCommonMistake(const PracticeRecord& record) {
    // Each cell counts a mistake once, however often it was made there.
    std::map<std::pair<TableauRowKind, CellMistake>, int> counts;
    std::vector<std::pair<TableauRowKind, CellMistake>> order;
    for (const CellDecision& cell : record.cells) {
        std::vector<CellMistake> seen;
        for (const CellMistake mistake : cell.mistakes) {
            if (std::find(seen.begin(), seen.end(), mistake) != seen.end()) {
                continue;
            }
            seen.push_back(mistake);
            const auto key = std::pair{cell.kind, mistake};
            if (counts[key]++ == 0) {
                order.push_back(key);
            }
        }
    }
    if (order.empty()) {
        return std::nullopt;
    }
    const auto most = *std::max_element(
        order.begin(), order.end(),
        [&counts](const auto& a, const auto& b) { return counts[a] < counts[b]; });
    const bool operations = record.level == PracticeLevel::Operations;
    return std::string(TableauRowWords(most.first)) + ": " +
           Plural(counts[most], operations ? "operation" : "cell") + ", " +
           CellMistakeWords(most.second);
}

std::vector<std::string> PracticeSummaryLines(const PracticeRecord& record) {
    std::vector<std::string> lines = record.notes;
    if (!record.unfinished.empty()) {
        lines.push_back(record.unfinished);
    }
    lines.push_back(PracticeHintsLine(record));
    if (record.level == PracticeLevel::Choices) {
        lines.push_back(PracticeSummaryLine(record));
        return lines;
    }
    lines.push_back("Choices: " + PracticeSummaryLine(record));
    lines.push_back(
        std::string(record.level == PracticeLevel::Operations ? "Row operations" : "Cells") +
        ": Right at the first try: " + std::to_string(record.CellsRightFirstTry()) + " of " +
        std::to_string(record.CellsAsked()));
    if (const auto mistake = MostCommonMistake(record)) {
        lines.push_back("Most common mistake: " + *mistake);
    }
    return lines;
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
    for (std::string& line : PracticeSummaryLines(record)) {
        lines.push_back(std::move(line));
    }
    return lines;
}

void PracticeSession::BeginPage(PracticePage page, TableauPage shown, int tableau) {
    mPage = std::move(page);
    mShown = std::move(shown);
    mTableau = tableau;
    mColumnSettled = false;
    mRowSettled = false;
    mNext.reset();
    mRowsMade.clear();
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

std::string PracticeSession::TableauLabel(int tableau) const {
    // A two-phase run's questions say the phase they are in.
    return "Tableau " + std::to_string(tableau) + PhaseSuffix(mPage.exact.phase);
}

std::string PracticeSession::QuestionText() const {
    switch (mQuestion) {
        case PracticeQuestion::Entering:
            if (mPage.dualSimplex) {
                return TableauLabel(mTableau) + ": " +
                       mPage.basis[static_cast<std::size_t>(mPage.leaving)] +
                       " leaves; which column enters?";
            }
            return TableauLabel(mTableau) + ": which column enters?";
        case PracticeQuestion::Leaving:
            if (mPage.dualSimplex) {
                return TableauLabel(mTableau) + ": which row leaves?";
            }
            return TableauLabel(mTableau) + ": " +
                   mPage.columns[static_cast<std::size_t>(mPage.entering)] +
                   " enters; which row leaves?";
        case PracticeQuestion::Operation:
            return TableauLabel(mTableau + 1) +
                   ", row operation: " + OperationQuestion(*mNext, OperationOrder(*mNext)[mStep]);
        case PracticeQuestion::Row: {
            std::string columns;
            for (const std::string& column : AskedColumns()) {
                columns += (columns.empty() ? "" : " ") + column;
            }
            return TableauLabel(mTableau + 1) + ", " + StepLabel(*mNext, mStep) + ": " + columns;
        }
        case PracticeQuestion::Verdict:
            break;
    }
    return TableauLabel(mTableau) + ": what does this tableau show?";
}

std::vector<std::string> PracticeSession::AskedColumns() const {
    if (!mNext || mQuestion != PracticeQuestion::Row) {
        return {};
    }
    return StepColumns(*mNext, mStep);
}

std::string PracticeSession::RowText(const std::vector<Rational>& row) const {
    std::string text;
    for (const Rational& cell : row) {
        text += (text.empty() ? "" : " ") + mPage.numbers.Text(cell);
    }
    return text;
}

PracticeFeedback PracticeSession::AnswerLine(std::string_view line) {
    if (!mOpen) {
        return {PracticeFeedback::Result::NotAChoice, "There is no question to answer"};
    }
    if (mQuestion == PracticeQuestion::Operation) {
        return AnswerOperation(line);
    }
    if (mQuestion == PracticeQuestion::Row) {
        return AnswerRow(line);
    }
    const auto answer = ParsePracticeAnswer(line);
    if (!answer) {
        return {PracticeFeedback::Result::NotAChoice, kChoiceHelp};
    }
    return Answer(*answer);
}

void PracticeSession::PivotSettled() {
    if (mRecord.level == PracticeLevel::Choices) {
        return;
    }
    ExactPage before = mPage.exact;
    before.entering = mPage.entering;
    before.leaving = mPage.leaving;
    const ExactPage after =
        mPage.after ? *mPage.after
                    : PivotedExactPage(mPage.objective, before, before.entering, before.leaving);
    mNext = NextTableauOf(before, after);
    mStep = 0;
    NextArithmeticStep();
}

void PracticeSession::NextArithmeticStep() {
    const bool operations = mRecord.level == PracticeLevel::Operations;
    const std::size_t steps = operations ? OperationOrder(*mNext).size() : mNext->steps.size();
    if (mStep >= steps) {
        mOpen = false;
        return;
    }
    mQuestion = operations ? PracticeQuestion::Operation : PracticeQuestion::Row;
    mOpen = true;
    mCellIndex.clear();
    if (operations) {
        const std::size_t row = OperationOrder(*mNext)[mStep];
        CellDecision cell;
        cell.tableau = mTableau;
        cell.kind = row == static_cast<std::size_t>(mNext->before.leaving)
                        ? TableauRowKind::PivotRow
                        : TableauRowKind::OtherRow;
        cell.label = OperationQuestion(*mNext, row);
        mCellIndex.push_back(mRecord.cells.size());
        mRecord.cells.push_back(std::move(cell));
        return;
    }
    for (const std::string& column : StepColumns(*mNext, mStep)) {
        CellDecision cell;
        cell.tableau = mTableau;
        cell.kind = mNext->steps[mStep].kind;
        cell.label = StepLabel(*mNext, mStep) + ": " + column;
        mCellIndex.push_back(mRecord.cells.size());
        mRecord.cells.push_back(std::move(cell));
    }
}

PracticeFeedback PracticeSession::AnswerOperation(std::string_view line) {
    using Result = PracticeFeedback::Result;
    const std::size_t row = OperationOrder(*mNext)[mStep];
    const RowOperation& right = mNext->operations[row];
    CellDecision& cell = mRecord.cells[mCellIndex.front()];
    const std::string given = std::string(line);
    // The operation and the row it gives, as the row made stands above the next question.
    const std::string made = RowOperationText(right, mPage.numbers) + " gives: " +
                             RowText(ApplyRowOperation(right, RowWithBi(mNext->before, row),
                                                       RowWithBi(mNext->after, right.pivotRow)));
    PracticeFeedback feedback;
    if (AsksForShow(line)) {
        ++mRecord.rowsShown;
        cell.shown = true;
        feedback = {Result::Right, made};
    } else {
        const OperationCheck check = CheckOperation(*mNext, row, given, mPage.numbers);
        if (check.refused) {
            mLastFeedback = *check.refused;
            return {Result::NotAChoice, *check.refused};
        }
        if (!check.right) {
            // The operation as typed; CheckOperation has read the number already.
            const RowOperation typed{right.row, right.pivotRow, ParseTypedValue(given)->c};
            cell.mistakes.push_back(check.mistake);
            feedback = {Result::Wrong, RowOperationText(typed, mPage.numbers) +
                                           " gives: " + RowText(check.gives) + "\n" + check.text};
            mLastFeedback = feedback.text;
            return feedback;
        }
        cell.rightFirstTry = cell.mistakes.empty();
        feedback = {Result::Right, "Right: " + made};
    }
    cell.settled = true;
    mRowsMade.push_back(made);
    ++mStep;
    NextArithmeticStep();
    mLastFeedback = feedback.text;
    return feedback;
}

PracticeFeedback PracticeSession::AnswerRow(std::string_view line) {
    using Result = PracticeFeedback::Result;
    const std::string label = StepLabel(*mNext, mStep);
    std::string rowText;
    for (const std::string& text : StepTexts(*mNext, mStep, mPage.numbers)) {
        rowText += (rowText.empty() ? "" : " ") + text;
    }
    PracticeFeedback feedback;
    if (AsksForShow(line)) {
        ++mRecord.rowsShown;
        for (const std::size_t index : mCellIndex) {
            CellDecision& cell = mRecord.cells[index];
            cell.shown = cell.shown || !cell.settled;
            cell.settled = true;
        }
        feedback = {Result::Right, label + ": " + rowText};
    } else {
        const StepCheck check = CheckTableauStep(*mNext, mStep, SplitTypedRow(line), mPage.numbers);
        if (check.refused) {
            mLastFeedback = *check.refused;
            return {Result::NotAChoice, *check.refused};
        }
        std::string wrong;
        int wrongCount = 0;
        for (std::size_t k = 0; k < check.cells.size(); ++k) {
            CellDecision& cell = mRecord.cells[mCellIndex[k]];
            if (check.cells[k].right) {
                if (!cell.settled) {
                    cell.rightFirstTry = cell.mistakes.empty();
                    cell.settled = true;
                }
                continue;
            }
            if (!cell.settled) {
                cell.mistakes.push_back(check.cells[k].mistake);
            }
            ++wrongCount;
            wrong += "\n" + check.cells[k].text;
        }
        if (wrongCount > 0) {
            feedback = {Result::Wrong, label + ": " + Plural(wrongCount, "cell") +
                                           (wrongCount == 1 ? " is" : " are") + " wrong" + wrong};
            mLastFeedback = feedback.text;
            return feedback;
        }
        feedback = {Result::Right, "Right: " + label + ": " + rowText};
    }
    mRowsMade.push_back(label + ": " + rowText);
    ++mStep;
    NextArithmeticStep();
    mLastFeedback = feedback.text;
    return feedback;
}

PracticeFeedback PracticeSession::Answer(const PracticeAnswer& answer) {
    if (!mOpen) {
        return {PracticeFeedback::Result::NotAChoice, "There is no question to answer"};
    }
    if (mQuestion == PracticeQuestion::Operation || mQuestion == PracticeQuestion::Row) {
        if (answer.kind == PracticeAnswer::Kind::ShowMe) {
            return AnswerLine("show");
        }
        if (answer.kind == PracticeAnswer::Kind::Name) {
            return AnswerLine(answer.name);
        }
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
    if (feedback.tieChoice >= 0) {
        TieBrokenOtherWay(feedback.tieChoice);
    }
    // The dual simplex method asks for the row first, then the column.
    if (mPage.dualSimplex && mQuestion == PracticeQuestion::Leaving) {
        mRowSettled = true;
        Ask(PracticeQuestion::Entering);
    } else if (mPage.dualSimplex && mQuestion == PracticeQuestion::Entering) {
        mColumnSettled = true;
        PivotSettled();
    } else if (mQuestion == PracticeQuestion::Entering) {
        mColumnSettled = true;
        Ask(PracticeQuestion::Leaving);
    } else if (mQuestion == PracticeQuestion::Leaving && mPage.leaving >= 0) {
        mRowSettled = true;
        PivotSettled();
    } else {
        // A verdict ends the run, but for Phase I's: Phase II follows.
        mFinished = !mPage.phaseOneEnd;
        if (!mPage.infeasible && !mPage.zeroOutsideBasis.empty()) {
            const std::string note = AlternativeOptimumNote(mPage.zeroOutsideBasis);
            mRecord.notes.push_back(note);
            feedback.text += ". " + note;
            mLastFeedback = feedback.text;
        }
    }
    return feedback;
}

void PracticeSession::TieBrokenOtherWay(int choice) {
    const bool column = mQuestion == PracticeQuestion::Entering;
    const std::string rules = column ? mPage.columns[static_cast<std::size_t>(mPage.entering)]
                                     : mPage.basis[static_cast<std::size_t>(mPage.leaving)];
    const std::string students = column ? mPage.columns[static_cast<std::size_t>(choice)]
                                        : mPage.basis[static_cast<std::size_t>(choice)];
    mPage = column ? WithStudentsColumn(mPage, choice) : WithStudentsRow(mPage, choice);
    // The run record holds the rule's pages: the pivot is worked with the student's choice,
    // the run then shows the rule's next tableau.
    mRecord.notes.push_back("Tableau " + std::to_string(mTableau) + ": " + students +
                            (column ? " entered" : " left") + " on a tie; the rule takes " + rules +
                            ", and the run goes on from the rule's choice");
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
    if (mOpen && !mFinished) {
        mRecord.unfinished =
            "This practice is unfinished: it stopped at tableau " + std::to_string(mTableau) + ".";
    }
    mStopped = true;
    mOpen = false;
}

}  // namespace vantrell

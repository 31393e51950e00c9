// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/practice_checker.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "model/variable_names.h"

namespace vantrell {
namespace {

using Result = PracticeFeedback::Result;
using Kind = PracticeAnswer::Kind;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Names are matched as the student may type them: x2 is X2.
int FindName(const std::vector<std::string>& names, const std::string& name) {
    const std::string wanted = Lower(name);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (Lower(names[i]) == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool SameValue(const ExactMValue& a, const ExactMValue& b) {
    return a.c == b.c && (a.hasM ? a.m : Rational(0)) == (b.hasM ? b.m : Rational(0));
}

PracticeFeedback Right(std::string text) {
    return {Result::Right, std::move(text)};
}
PracticeFeedback Wrong(std::string text) {
    return {Result::Wrong, std::move(text)};
}
PracticeFeedback NotAChoice(std::string text) {
    return {Result::NotAChoice, std::move(text)};
}
// A tie the rule breaks the other way is as right as the rule's own choice.
PracticeFeedback Tie(const std::string& tie, const std::string& rules, const char* why,
                     int choice) {
    return {Result::Right,
            "Right: " + tie + ". The rule takes " + rules + " (" + why +
                "); either gives a valid next tableau",
            choice};
}

// "S1", "S1 or S2", "S1, S2 or S3".
std::string OrList(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += (k == 0 ? "" : k + 1 == names.size() ? " or " : ", ") + names[k];
    }
    return text;
}

struct Texts {
    const PracticePage& page;
    std::size_t Entering() const { return static_cast<std::size_t>(page.entering); }
    std::size_t Leaving() const { return static_cast<std::size_t>(page.leaving); }
    const std::string& EnteringName() const { return page.columns[Entering()]; }

    bool Bland() const { return page.rule == PivotRule::SmallestIndex; }
    std::string Enters() const {
        if (page.drivesOut) {
            return EnteringName() + " enters: " + page.basis[Leaving()] +
                   " is still basic at 0 after Phase I, and " + EnteringName() +
                   " is the first column outside the artificial ones with a nonzero entry in "
                   "its row";
        }
        return EnteringName() + " enters: its Cj-Zj " + page.cjzjText[Entering()] +
               (Bland() ? " is positive and its index the smallest" : " is the largest positive");
    }
    std::string NotLargest(std::size_t column) const {
        if (Bland()) {
            return page.columns[column] + "'s Cj-Zj is " + page.cjzjText[column] + ", but " +
                   EnteringName() +
                   " comes first: with Bland's rule the first column with a "
                   "positive Cj-Zj enters";
        }
        if (SameValue(page.cjzj[column], page.cjzj[Entering()])) {
            return page.columns[column] + "'s Cj-Zj " + page.cjzjText[column] + " ties with " +
                   EnteringName() + "'s: on a tie the first column enters";
        }
        return page.columns[column] + "'s Cj-Zj is " + page.cjzjText[column] + ", " +
               EnteringName() + "'s is " + page.cjzjText[Entering()] +
               ": the largest positive enters";
    }
    std::string NotOverYet() const {
        return EnteringName() + "'s Cj-Zj is " + page.cjzjText[Entering()] +
               " and positive: this tableau is not optimal yet";
    }
    std::string NotProvenInfeasible() const {
        return EnteringName() + "'s Cj-Zj is " + page.cjzjText[Entering()] +
               " and positive: the run goes on, nothing is proven infeasible yet";
    }
    std::string Leaves() const {
        if (page.drivesOut) {
            return page.basis[Leaving()] +
                   " leaves: it is the artificial variable still basic at 0";
        }
        return page.basis[Leaving()] + " leaves: its ratio " + page.ratioText[Leaving()] +
               " is the smallest";
    }
    std::string CannotLeave(std::size_t row) const {
        return page.basis[row] + " has no positive entry in the " + EnteringName() +
               " column: it cannot leave";
    }
    std::string NotSmallest(std::size_t row) const {
        const std::string& best = page.basis[Leaving()];
        if (page.ratios[row] && page.ratios[Leaving()] &&
            *page.ratios[row] == *page.ratios[Leaving()]) {
            return page.basis[row] + "'s ratio " + page.ratioText[row] + " ties with " + best +
                   (Bland() ? "'s: on a tie the basic variable of smallest index leaves"
                            : "'s: on a tie the first row leaves");
        }
        return page.basis[row] + "'s ratio " + page.ratioText[row] +
               " is not the smallest: " + best + "'s is " + page.ratioText[Leaving()];
    }
    std::string Unbounded() const {
        return "no row has a positive entry in the " + EnteringName() + " column: nothing limits " +
               EnteringName() + ", the problem is unbounded";
    }
    std::string Optimal() const {
        if (page.phaseOneEnd) {
            return "no Cj-Zj is positive: Phase I is optimal with W = " + page.wText +
                   ", so the problem is feasible and Phase II starts from this basis";
        }
        return "no Cj-Zj is positive: this tableau is optimal";
    }
    std::string DriveOutFirst() const {
        return "Phase I is at its optimum, but " + page.basis[Leaving()] +
               " is still basic at 0: a pivot on a nonzero entry of its row outside the "
               "artificial columns drives it out before Phase II";
    }
    std::string NotOptimalWhileArtificial() const {
        const auto row = static_cast<std::size_t>(page.artificialRow);
        return "no Cj-Zj is positive, but the artificial variable " + page.basis[row] +
               " is still basic at " + page.bText[row] +
               ": the tableau solves only the problem with M, not the problem itself, and no "
               "column can lower " +
               page.basis[row] + ", so the problem is infeasible";
    }
    std::string Infeasible() const {
        const auto row = static_cast<std::size_t>(page.artificialRow);
        return page.basis[row] + " stays basic at " + page.bText[row] +
               " and no column can lower it: the problem is infeasible";
    }
};

// Between the phases any nonzero entry of the artificial variable's row will do; the run
// takes the first.
PracticeFeedback CheckDriveOut(const PracticePage& page, const PracticeAnswer& answer) {
    const Texts texts{page};
    if (answer.kind == Kind::ShowMe) {
        return Right(texts.Enters());
    }
    if (answer.kind != Kind::Name) {
        return Wrong(texts.DriveOutFirst());
    }
    const int column = FindName(page.columns, answer.name);
    if (column < 0) {
        return NotAChoice("There is no column " + answer.name + " on this page");
    }
    const auto k = static_cast<std::size_t>(column);
    if (column == page.entering) {
        return Right("Right: " + page.columns[k] + " enters and drives " +
                     page.basis[texts.Leaving()] + " out");
    }
    if (page.artificial[k]) {
        return Wrong(page.columns[k] + " is artificial: an artificial column never enters");
    }
    if (sgn(page.exact.cells[texts.Leaving()][k]) != 0) {
        return Right("Right: " + page.columns[k] + " has a nonzero entry in " +
                     page.basis[texts.Leaving()] + "'s row too; the run takes " +
                     texts.EnteringName() + ", the first such column");
    }
    return Wrong(page.columns[k] + " has 0 in " + page.basis[texts.Leaving()] +
                 "'s row: pivoting there cannot drive it out");
}

// The dual simplex method's row: the most negative Bi leaves.
PracticeFeedback CheckDualLeaving(const PracticePage& page, const PracticeAnswer& answer) {
    const Texts texts{page};
    const std::string& best = page.basis[texts.Leaving()];
    const std::string why =
        best + " leaves: its Bi, " + page.bText[texts.Leaving()] + ", is the most negative";
    if (answer.kind == Kind::ShowMe) {
        return Right(why);
    }
    if (answer.kind != Kind::Name) {
        return Wrong(best + "'s Bi is " + page.bText[texts.Leaving()] +
                     ": a negative Bi must be raised first");
    }
    const int row = FindName(page.basis, answer.name);
    if (row < 0) {
        return NotAChoice("There is no row " + answer.name + " on this page");
    }
    const auto r = static_cast<std::size_t>(row);
    if (row == page.leaving) {
        return Right("Right: " + why);
    }
    if (sgn(page.exact.bi[r]) >= 0) {
        return Wrong(page.basis[r] + "'s Bi is " + page.bText[r] +
                     ", not negative: the leaving row is one with a negative Bi");
    }
    return Wrong(page.basis[r] + "'s Bi is " + page.bText[r] + ", but " + best + "'s, " +
                 page.bText[texts.Leaving()] + ", is more negative: " + why);
}

// The dual simplex method's column: the smallest |Cj-Zj / a_rj| over the leaving row's
// negative entries.
PracticeFeedback CheckDualEntering(const PracticePage& page, const PracticeAnswer& answer) {
    const Texts texts{page};
    const auto r = texts.Leaving();
    const auto quotient = [&page, r](std::size_t k) {
        return page.numbers.Text(Rational(abs(page.exact.cjzj[k].c / page.exact.cells[r][k])));
    };
    const std::string why = texts.EnteringName() + " enters: |" + page.cjzjText[texts.Entering()] +
                            " / " + page.numbers.Text(page.exact.cells[r][texts.Entering()]) +
                            "| = " + quotient(texts.Entering()) +
                            " is the smallest ratio over the negative entries of the row";
    if (answer.kind == Kind::ShowMe) {
        return Right(why);
    }
    if (answer.kind != Kind::Name) {
        return Wrong(why);
    }
    const int column = FindName(page.columns, answer.name);
    if (column < 0) {
        return NotAChoice("There is no column " + answer.name + " on this page");
    }
    const auto k = static_cast<std::size_t>(column);
    if (column == page.entering) {
        return Right("Right: " + why);
    }
    if (sgn(page.exact.cells[r][k]) >= 0) {
        return Wrong(page.columns[k] + " has no negative entry in " + page.basis[r] +
                     "'s row: only a negative entry can raise its Bi");
    }
    return Wrong(page.columns[k] + "'s ratio is " + quotient(k) + ", not the smallest: " + why);
}

PracticeFeedback CheckEntering(const PracticePage& page, const PracticeAnswer& answer) {
    if (page.dualSimplex) {
        return CheckDualEntering(page, answer);
    }
    if (page.drivesOut) {
        return CheckDriveOut(page, answer);
    }
    const Texts texts{page};
    switch (answer.kind) {
        case Kind::ShowMe:
            return Right(texts.Enters());
        case Kind::Optimal:
            return Wrong(texts.NotOverYet());
        case Kind::Infeasible:
            return Wrong(texts.NotProvenInfeasible());
        case Kind::Unbounded:
            return Wrong("choose the entering column first: unboundedness shows in its ratio test");
        case Kind::Name:
            break;
    }
    const int column = FindName(page.columns, answer.name);
    if (column < 0) {
        return NotAChoice("There is no column " + answer.name + " on this page");
    }
    const auto k = static_cast<std::size_t>(column);
    if (column == page.entering) {
        return Right("Right: " + page.columns[k] + " enters");
    }
    if (page.artificial[k]) {
        return Wrong(page.columns[k] + " is artificial: an artificial column never enters");
    }
    if (!texts.Bland() && SameValue(page.cjzj[k], page.cjzj[texts.Entering()])) {
        return Tie(page.columns[k] + "'s Cj-Zj " + page.cjzjText[k] + " ties with " +
                       texts.EnteringName() + "'s",
                   texts.EnteringName(), "on a tie the first column enters", column);
    }
    return Wrong(texts.NotLargest(k));
}

PracticeFeedback CheckLeaving(const PracticePage& page, const PracticeAnswer& answer) {
    if (page.dualSimplex) {
        return CheckDualLeaving(page, answer);
    }
    const Texts texts{page};
    const bool unbounded = page.leaving < 0;
    switch (answer.kind) {
        case Kind::ShowMe:
            return Right(unbounded ? texts.Unbounded() : texts.Leaves());
        case Kind::Unbounded:
            if (unbounded) {
                return Right("Right: " + texts.Unbounded());
            }
            return Wrong(page.basis[texts.Leaving()] + " has a positive entry in the " +
                         texts.EnteringName() + " column: the problem is not unbounded");
        case Kind::Optimal:
        case Kind::Infeasible:
            if (unbounded) {
                return Wrong(texts.Unbounded());
            }
            return Wrong(answer.kind == Kind::Optimal ? texts.NotOverYet()
                                                      : texts.NotProvenInfeasible());
        case Kind::Name:
            break;
    }
    const int row = FindName(page.basis, answer.name);
    if (row < 0) {
        if (FindName(page.columns, answer.name) >= 0) {
            return Wrong(answer.name +
                         " is not basic: the leaving variable is one of the basic "
                         "variables, " +
                         OrList(page.basis));
        }
        return NotAChoice("There is no row " + answer.name + " on this page");
    }
    const auto r = static_cast<std::size_t>(row);
    if (row == page.leaving) {
        return Right("Right: " + page.basis[r] + " leaves");
    }
    if (!page.limits[r]) {
        return Wrong(texts.CannotLeave(r));
    }
    if (page.ratios[r] && page.ratios[texts.Leaving()] &&
        *page.ratios[r] == *page.ratios[texts.Leaving()]) {
        return Tie(page.basis[r] + "'s ratio " + page.ratioText[r] + " ties with " +
                       page.basis[texts.Leaving()] + "'s",
                   page.basis[texts.Leaving()],
                   texts.Bland() ? "on a tie the basic variable of smallest index leaves"
                                 : "on a tie the first row leaves",
                   row);
    }
    return Wrong(texts.NotSmallest(r));
}

// A dual simplex run ends optimal with no negative Bi, or infeasible at a row with a
// negative Bi and no negative entry.
PracticeFeedback CheckDualVerdict(const PracticePage& page, const PracticeAnswer& answer) {
    const std::string why =
        page.infeasible
            ? page.basis[static_cast<std::size_t>(page.leaving)] + "'s Bi is " +
                  page.bText[static_cast<std::size_t>(page.leaving)] +
                  " and its row has no negative entry: no pivot can raise it, so the problem is "
                  "infeasible"
            : std::string("no Bi is negative and no Cj-Zj is positive: this tableau is optimal");
    const bool right = answer.kind == Kind::ShowMe ||
                       answer.kind == (page.infeasible ? Kind::Infeasible : Kind::Optimal);
    if (!right) {
        return Wrong(why);
    }
    return answer.kind == Kind::ShowMe ? Right(why) : Right("Right: " + why);
}

PracticeFeedback CheckVerdict(const PracticePage& page, const PracticeAnswer& answer) {
    if (page.dualSimplex) {
        return CheckDualVerdict(page, answer);
    }
    const Texts texts{page};
    const bool infeasible = page.infeasible;
    if (answer.kind == Kind::ShowMe) {
        return Right(infeasible ? texts.Infeasible() : texts.Optimal());
    }
    if (answer.kind == Kind::Name && FindName(page.columns, answer.name) < 0 &&
        FindName(page.basis, answer.name) < 0) {
        return NotAChoice("There is no column or row " + answer.name + " on this page");
    }
    if (infeasible) {
        if (answer.kind == Kind::Infeasible) {
            return Right("Right: " + texts.Infeasible());
        }
        return Wrong(answer.kind == Kind::Optimal ? texts.NotOptimalWhileArtificial()
                                                  : texts.Infeasible());
    }
    if (answer.kind == Kind::Optimal) {
        return Right("Right: " + texts.Optimal());
    }
    return Wrong(texts.Optimal());
}

// The ratio test's columns of the page's entering column.
void ReadRatios(PracticePage& page, const ExactPage& exact) {
    page.ratios.clear();
    page.ratioText.clear();
    page.limits.clear();
    for (const auto& ratio : exact.ratios) {
        page.ratios.push_back(ratio);
        page.ratioText.push_back(ratio ? page.numbers.Text(*ratio) : "-");
        page.limits.push_back(ratio && sgn(*ratio) >= 0);
    }
}

}  // namespace

std::optional<PracticeAnswer> ParsePracticeAnswer(std::string_view line) {
    const auto first = line.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto last = line.find_last_not_of(" \t\r\n");
    const std::string word(line.substr(first, last - first + 1));
    const std::string lower = Lower(word);
    if (lower == "optimal" || lower == "done") {
        return PracticeAnswer{Kind::Optimal, {}};
    }
    if (lower == "unbounded") {
        return PracticeAnswer{Kind::Unbounded, {}};
    }
    if (lower == "infeasible") {
        return PracticeAnswer{Kind::Infeasible, {}};
    }
    if (lower == "show" || lower == "show me") {
        return PracticeAnswer{Kind::ShowMe, {}};
    }
    return PracticeAnswer{Kind::Name, word};
}

std::string NotAnAnswerText(PracticeQuestion question, std::string_view lineName, bool isRow) {
    const std::string name(lineName);
    switch (question) {
        case PracticeQuestion::Entering:
            return "The question is which column enters, not a row: click the column or type "
                   "its name.";
        case PracticeQuestion::Leaving:
            if (isRow) {
                break;
            }
            return "The " + name +
                   " line is no row of the basis: pick the row whose variable leaves.";
        case PracticeQuestion::Verdict:
            return "This page asks for a verdict: Optimal, Unbounded or Infeasible.";
        case PracticeQuestion::Operation:
        case PracticeQuestion::Row:
            return "This page asks for arithmetic: type it in the Answer field.";
    }
    return {};
}

std::optional<PracticePage> ReadPracticePage(const ExactRun& run, std::size_t index,
                                             const NoteNumbers& numbers) {
    const bool stopped = index == run.pages.size() && run.unboundedEnd;
    if (index >= run.pages.size() && !stopped) {
        return std::nullopt;
    }
    const ExactPage& exact = stopped ? *run.unboundedEnd : run.pages[index];
    const bool last = !stopped && index + 1 == run.pages.size();
    const std::vector<CostTerm>& objective = PageObjective(run, index);
    PracticePage page;
    page.rule = exact.rule;
    page.numbers = numbers;
    for (std::size_t k = 0; k < exact.columnNames.size(); ++k) {
        page.columns.push_back(exact.columnNames[k]);
        page.artificial.push_back(k < objective.size() && objective[k].id == kArtificialId);
        page.cjzj.push_back(exact.cjzj[k]);
        page.cjzjText.push_back(numbers.Text(exact.cjzj[k]));
    }
    for (std::size_t r = 0; r < exact.basisNames.size(); ++r) {
        page.basis.push_back(exact.basisNames[r]);
        page.bText.push_back(numbers.Text(exact.bi[r]));
        // Big M's artificial variables cost -M, Phase I's -1.
        const bool artificial = exact.phase == 1 ? exact.cb[r].c < 0 : exact.cb[r].m < 0;
        if (artificial && sgn(exact.bi[r]) > 0 && page.artificialRow < 0) {
            page.artificialRow = static_cast<int>(r);
        }
    }
    page.infeasible = last && run.outcome == RunOutcome::Infeasible;
    page.drivesOut = exact.drivesOut;
    page.dualSimplex = run.method == SolveMethod::DualSimplex;
    page.phaseOneEnd = exact.phase == 1 && exact.entering < 0 && !last;
    page.wText = numbers.Text(Rational(-exact.z));
    page.entering = exact.entering;
    page.leaving = exact.leaving;
    ReadRatios(page, exact);
    if (last && run.outcome == RunOutcome::Optimal) {
        for (std::size_t k = 0; k < exact.columnNames.size(); ++k) {
            const bool basic = std::find(exact.basisNames.begin(), exact.basisNames.end(),
                                         exact.columnNames[k]) != exact.basisNames.end();
            if (!basic && !page.artificial[k] && SameValue(exact.cjzj[k], ExactMValue{})) {
                page.zeroOutsideBasis.push_back(exact.columnNames[k]);
            }
        }
    }
    page.exact = exact;
    if (!stopped && index + 1 < run.pages.size()) {
        page.after = run.pages[index + 1];
    }
    page.objective = objective;
    return page;
}

PracticePage WithStudentsColumn(const PracticePage& page, int column) {
    PracticePage chosen = page;
    chosen.exact = WithEnteringColumn(page.objective, page.exact, column);
    chosen.entering = column;
    chosen.leaving = chosen.exact.leaving;
    chosen.ruleEntering = page.entering;
    chosen.after.reset();  // the run's next page follows the rule's column
    ReadRatios(chosen, chosen.exact);
    return chosen;
}

PracticePage WithStudentsRow(const PracticePage& page, int row) {
    PracticePage chosen = page;
    chosen.ruleLeaving = page.leaving;
    chosen.leaving = row;
    chosen.exact.leaving = row;
    chosen.after.reset();
    return chosen;
}

PracticeQuestion FirstQuestion(const PracticePage& page) {
    if (page.entering < 0) {
        return PracticeQuestion::Verdict;
    }
    return page.dualSimplex ? PracticeQuestion::Leaving : PracticeQuestion::Entering;
}

PracticeFeedback CheckPracticeAnswer(const PracticePage& page, PracticeQuestion question,
                                     const PracticeAnswer& answer) {
    switch (question) {
        case PracticeQuestion::Entering:
            return CheckEntering(page, answer);
        case PracticeQuestion::Leaving:
            return CheckLeaving(page, answer);
        case PracticeQuestion::Operation:
        case PracticeQuestion::Row:
            return NotAChoice("This question takes a number or a row of numbers");
        case PracticeQuestion::Verdict:
            break;
    }
    return CheckVerdict(page, answer);
}

std::string RightAnswerWord(const PracticePage& page, PracticeQuestion question) {
    switch (question) {
        case PracticeQuestion::Entering:
            return page.columns[static_cast<std::size_t>(page.entering)];
        case PracticeQuestion::Leaving:
            return page.leaving >= 0 ? page.basis[static_cast<std::size_t>(page.leaving)]
                                     : "unbounded";
        case PracticeQuestion::Operation:
        case PracticeQuestion::Row:
            return {};
        case PracticeQuestion::Verdict:
            break;
    }
    return page.infeasible ? "infeasible" : "optimal";
}

}  // namespace vantrell

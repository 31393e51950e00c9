// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/step_notes.h"

#include <algorithm>

#include "teach/dual_simplex.h"
#include "teach/exact_arithmetic.h"
#include "teach/row_operations.h"
#include "teach/scale_warning.h"
#include "teach/special_cases.h"

namespace vantrell {
namespace {

// "X1", "X1 and X2", "S1, S2 and S3".
std::string NameList(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += (k == 0 ? "" : k + 1 == names.size() ? " and " : ", ") + names[k];
    }
    return text;
}

std::string RuleSuffix(PivotRule rule) {
    return std::string(" (rule: ") + PivotRuleName(rule) + ")";
}

std::string EnteringNote(const ExactPage& page, const NoteNumbers& numbers) {
    const auto j = static_cast<std::size_t>(page.entering);
    const ExactMValue& chosen = page.cjzj[j];
    const std::string& name = page.columnNames[j];
    std::string note = name + " enters: its Cj-Zj, " + numbers.Text(chosen) + ", ";
    if (page.rule == PivotRule::SmallestIndex) {
        return note + "is positive and it is the leftmost such column" + RuleSuffix(page.rule) +
               ".";
    }
    const bool mPhase = chosen.hasM && chosen.m > 0;
    // The columns that tie with the chosen one on what the rule compares first, and whether
    // one of them ties on the number part as well.
    std::vector<std::string> ties;
    bool fullTie = false;
    for (std::size_t k = 0; k < page.cjzj.size(); ++k) {
        const ExactMValue& v = page.cjzj[k];
        const bool same = mPhase ? v.hasM && v.m == chosen.m : !v.hasM && v.c == chosen.c;
        if (k != j && same && Improves(v) && page.cj[k].m == 0) {
            ties.push_back(page.columnNames[k]);
            fullTie = fullTie || v.c == chosen.c;
        }
    }
    note += mPhase ? "has the largest M part, " + numbers.MPart(chosen.m)
                   : std::string("is the largest positive");
    if (!ties.empty()) {
        note += "; " + NameList(ties) + (ties.size() == 1 ? " ties" : " tie") + " with it";
        note += mPhase && !fullTie ? ", and the larger number part decides"
                                   : ", and the first column is taken";
    }
    return note + RuleSuffix(page.rule) + ".";
}

std::string LeavingNote(const ExactPage& page, const NoteNumbers& numbers) {
    const auto l = static_cast<std::size_t>(page.leaving);
    const auto j = static_cast<std::size_t>(page.entering);
    const Rational& ratio = *page.ratios[l];
    // A fraction on either side of the division line reads as one number only in
    // parentheses: (2/3)/(1/3), not 2/3/(1/3).
    const auto operand = [&numbers](const Rational& value) {
        std::string text = numbers.Text(value);
        return text.find('/') == std::string::npos ? text : "(" + text + ")";
    };
    std::string note = " " + page.basisNames[l] + " leaves: " + operand(page.bi[l]) + "/" +
                       operand(page.cells[l][j]) + " = " + numbers.Text(ratio) +
                       " is the smallest ratio";
    std::vector<std::string> ties;
    std::vector<std::string> unlimited;
    for (std::size_t r = 0; r < page.ratios.size(); ++r) {
        if (!page.ratios[r]) {
            unlimited.push_back(page.basisNames[r]);
        } else if (r != l && *page.ratios[r] == ratio) {
            ties.push_back(page.basisNames[r]);
        }
    }
    if (!unlimited.empty()) {
        note += "; " + NameList(unlimited) + (unlimited.size() == 1 ? " has" : " have") +
                " no positive entry in the column";
    }
    note += ".";
    if (!ties.empty()) {
        note += " " + NameList(ties) + (ties.size() == 1 ? " ties" : " tie") +
                " with it; the tie goes to " +
                (page.rule == PivotRule::SmallestIndex ? "the basic variable of smallest index."
                                                       : "the first row.");
    }
    if (ratio == 0) {
        note += " The ratio is 0: a degenerate step; the basis changes, the point does not.";
    }
    return note;
}

std::string ConclusionNote(const ExactRun& run, const ExactPage& page, const NoteNumbers& numbers) {
    if (run.outcome == RunOutcome::Infeasible) {
        for (std::size_t r = 0; r < page.basisNames.size(); ++r) {
            if (page.cb[r].m < 0 && page.bi[r] > 0) {
                return page.basisNames[r] + " stays in the basis at " + numbers.Text(page.bi[r]) +
                       " and no column has a positive M part left: the constraints cannot "
                       "all hold.";
            }
        }
    }
    if (run.outcome == RunOutcome::Optimal) {
        const std::string name = run.dual ? "W" : "Z";
        if (StatedSign(run) < 0) {
            // The tableau shows -Z; the note gives the minimum as the problem states it.
            return "No Cj-Zj is positive: no column can improve -" + name +
                   ", so this tableau is optimal: -" + name + " = " + numbers.Text(page.z) +
                   " is the maximum, so the minimum of " + name + " is " +
                   numbers.Text(Rational(-page.z)) + ".";
        }
        return "No Cj-Zj is positive: no column can improve " + name +
               ", so this tableau is optimal with " + name + " = " + numbers.Text(page.z) + ".";
    }
    return {};
}

// The note of an unbounded run's deciding page: the column that enters and why nothing
// stops it.
std::string DecidingNote(const ExactRun& run, const ExactPage& stopped,
                         const NoteNumbers& numbers) {
    const std::string name = run.dual ? "W" : "Z";
    const std::string& column = stopped.columnNames[static_cast<std::size_t>(stopped.entering)];
    return EnteringNote(stopped, numbers) +
           " No row has a positive entry in its column, so no ratio limits it: " + column +
           " can grow without limit and " + name +
           (StatedSign(run) > 0 ? " with it." : " falls without limit.");
}

// " The basis of this tableau repeats that of tableau #3: ..." on the first page whose
// basis came before.
std::vector<std::string> RepeatNotes(const ExactRun& run, const NoteNumbers& numbers) {
    std::vector<std::string> notes(run.pages.size());
    if (const auto repeat = FirstRepeatedBasis(run)) {
        notes[repeat->page] = " The basis of this tableau repeats that of tableau #" +
                              std::to_string(repeat->earlier + 1) +
                              ": under this rule the run goes round and never ends" +
                              (numbers.commandLine ? " (--rule bland never cycles)."
                                                   : " (Bland's rule in Options never cycles).");
    }
    return notes;
}

std::string StopNote(const ExactRun& run, const NoteNumbers& numbers) {
    const bool stoppedAtLimit =
        run.outcome == RunOutcome::Cycling || run.outcome == RunOutcome::PageLimit;
    if (stoppedAtLimit && !run.pages.empty() && run.pages.back().rule == PivotRule::LargestCjZj) {
        return numbers.commandLine
                   ? " The run stopped at the page limit; --rule bland never lets a basis come "
                     "back."
                   : " The run stopped at the page limit; the pivot rule \"Smallest index "
                     "(Bland's rule)\" in Options never lets a basis come back.";
    }
    return {};
}

}  // namespace

std::string NoteNumbers::Text(const Rational& value) const {
    return NumberText(value, display.numbers, decimals);
}

std::string NoteNumbers::Text(const ExactMValue& value) const {
    return MValueText(value, display, decimals);
}

std::string NoteNumbers::MPart(const Rational& m) const {
    return MValueText({Rational(0), m, true}, {display.numbers, BigMStyle::Expressions}, decimals);
}

NoteNumbers NoteNumbersOf(const VantrellState& state) {
    return {state.mDisplay, state.mDecimalPlaces, state.mCommandLineWords};
}

namespace {

std::string PivotNote(const ExactPage& page, const NoteNumbers& numbers) {
    return EnteringNote(page, numbers) + LeavingNote(page, numbers);
}

bool HasRatioPivot(const ExactPage& page) {
    return page.entering >= 0 && page.leaving >= 0 &&
           page.ratios[static_cast<std::size_t>(page.leaving)];
}

// A basic artificial variable at 0 leaves between the phases by any nonzero entry of its row.
std::string DriveOutNote(const ExactPage& page) {
    return page.basisNames[static_cast<std::size_t>(page.leaving)] +
           " is still basic, at 0: it leaves by a pivot on " +
           page.columnNames[static_cast<std::size_t>(page.entering)] +
           " in its row, a nonzero entry outside the artificial columns (any will do: its Bi "
           "is 0, so the point does not move).";
}

// Two-phase pages: each says its phase; Phase I's end says what W shows, the pass drives
// the artificial variables out, and Phase II's first page says what changed.
std::string PhaseNote(const ExactRun& run, std::size_t index, const NoteNumbers& numbers) {
    const ExactPage& page = run.pages[index];
    const bool previousDrovesOut = index > 0 && run.pages[index - 1].drivesOut;
    if (page.phase == 1) {
        if (HasRatioPivot(page)) {
            return "Phase I: " + PivotNote(page, numbers);
        }
        std::string note;
        if (!previousDrovesOut) {
            const Rational w = -page.z;
            note =
                "Phase I: no Cj-Zj is positive, so -W is at its maximum. Phase I ends with W = " +
                numbers.Text(w) +
                (w > 0 ? " > 0: the artificial variables cannot all reach 0, so the problem "
                         "has no feasible solution."
                       : ": the problem is feasible.");
        } else {
            note = "Phase I, the pass:";
        }
        if (page.drivesOut) {
            return note + " " + DriveOutNote(page);
        }
        if (run.outcome == RunOutcome::Infeasible && !previousDrovesOut) {
            return note;
        }
        const bool artificialLeft = std::any_of(page.cb.begin(), page.cb.end(),
                                                [](const ExactMValue& cb) { return cb.c < 0; });
        return note + (artificialLeft
                           ? " The artificial variables still basic stand in redundant rows, "
                             "which Phase II drops; it starts from the rest of this basis."
                           : " No artificial variable is left in the basis: Phase II starts "
                             "from this basis.");
    }
    std::string note = "Phase II: ";
    if (index == 0) {
        note +=
            "no constraint needs an artificial variable, so there is no Phase I; Phase II "
            "starts from the slack basis. ";
    } else if (run.pages[index - 1].phase == 1) {
        note +=
            "the artificial columns are dropped and Cj is the objective's own again, so Zj "
            "and Cj-Zj are worked out afresh. ";
        for (const std::string& name : run.redundantRows) {
            note += "The row of " + name +
                    " has no nonzero entry outside the artificial columns: its equation is "
                    "redundant (a combination of the others) and the row is dropped. ";
        }
    }
    if (HasRatioPivot(page)) {
        return note + PivotNote(page, numbers);
    }
    return note + ConclusionNote(run, page, numbers);
}

// The note of one page: its pivot, or the run's conclusion.
std::string PageNote(const ExactRun& run, std::size_t index, const NoteNumbers& numbers) {
    const ExactPage& page = run.pages[index];
    if (run.method == SolveMethod::DualSimplex) {
        return DualSimplexNote(run, page, numbers);
    }
    if (page.phase != 0) {
        return PhaseNote(run, index, numbers);
    }
    if (HasRatioPivot(page)) {
        return PivotNote(page, numbers);
    }
    return ConclusionNote(run, page, numbers);
}

}  // namespace

std::vector<std::string> StepNotes(const ExactRun& run, const std::optional<ExactPage>& stopped,
                                   const NoteNumbers& numbers) {
    std::vector<std::string> notes;
    const std::vector<std::string> repeats = RepeatNotes(run, numbers);
    for (std::size_t p = 0; p < run.pages.size(); ++p) {
        notes.push_back(PageNote(run, p, numbers) + repeats[p]);
    }
    if (!notes.empty()) {
        notes.back() += StopNote(run, numbers);
    }
    if (run.outcome == RunOutcome::Unbounded && stopped && stopped->entering >= 0) {
        notes.push_back(DecidingNote(run, *stopped, numbers));
    }
    return notes;
}

std::string RunNoteOfPage(const VantrellState& state, std::size_t index) {
    const ExactRun* run = CurrentExactRun(state);
    if (run == nullptr || run->pages.empty()) {
        return {};
    }
    const NoteNumbers numbers = NoteNumbersOf(state);
    // Where the decimal run went on past the exact run's end, the exact run's last page
    // explains the end.
    const std::size_t exactIndex = std::min(index, run->pages.size() - 1);
    std::string note;
    if (const auto warning = ScaleWarning(KeptRun(state, state.mSolvingDual).problem);
        warning && index == 0) {
        note += *warning + " ";
    }
    for (const std::string& parting : PartingNotes(run, index)) {
        note += parting + " ";
    }
    note += PageNote(*run, exactIndex, numbers);
    if (exactIndex == index) {
        note += RepeatNotes(*run, numbers)[exactIndex];
        if (state.mExplain) {
            note = WithRowOperations(std::move(note), *run, index, numbers);
        }
    }
    const bool lastShown = static_cast<int>(index) + 1 == state.mTableauCount;
    const bool finished = state.mDone || state.mTableauCount >= kTableauPages;
    if (lastShown && finished && exactIndex + 1 == run->pages.size()) {
        note += StopNote(*run, numbers);
    }
    // The last page of a finished run also names its special cases, one to a line.
    if (lastShown && state.mDone) {
        for (const std::string& special : SpecialCases(
                 *run, std::nullopt, KeptRun(state, state.mSolvingDual).problem, numbers)) {
            note += "\n" + special;
        }
    }
    return note;
}

std::string DecidingPageNote(const VantrellState& state) {
    const ExactRun* run = CurrentExactRun(state);
    if (run == nullptr || run->outcome != RunOutcome::Unbounded || !run->unboundedEnd ||
        run->unboundedEnd->entering < 0) {
        return {};
    }
    const NoteNumbers numbers = NoteNumbersOf(state);
    std::string note = DecidingNote(*run, *run->unboundedEnd, numbers);
    for (const std::string& special : SpecialCases(
             *run, run->unboundedEnd, KeptRun(state, state.mSolvingDual).problem, numbers)) {
        note += "\n" + special;
    }
    return note;
}

std::vector<std::string> RunNotesSoFar(const VantrellState& state) {
    std::vector<std::string> notes;
    for (int p = 0; p < std::min(state.mTableauCount, kTableauPages); ++p) {
        notes.push_back(RunNoteOfPage(state, static_cast<std::size_t>(p)));
    }
    return notes;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/report_builder.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <optional>

#include "export/report_explain.h"
#include "model/number_text.h"
#include "model/run_outcome.h"
#include "teach/exact_page_text.h"

namespace vantrell {
namespace {

constexpr const char* kIndent = "    ";
// In place of the tableaus and solution of a run kept from another problem.
constexpr const char* kPrimalNotSolvedLine = "\n\n    Primal: not solved for this problem\n";
constexpr const char* kDualNotSolvedLine = "\n\n    Dual: not solved for this problem\n";

std::string ReportTerm(double coefficient, const std::string& name, const DisplayOptions& display,
                       int decimals) {
    std::string text = coefficient < 0.0 ? " - " : " + ";
    text += ShownNumber(std::fabs(coefficient), display, decimals);
    text += CFormat(" %s ", name.c_str());
    return text;
}

std::string ConstraintText(const ConstraintRow& row, const DisplayOptions& display, int decimals) {
    std::string text;
    // The vectors of a row share one length; the common part guards a malformed row.
    const std::size_t terms = std::min(row.coefficients.size(), row.columnNames.size());
    for (std::size_t k = 0; k < terms; ++k) {
        text += ReportTerm(row.coefficients[k], row.columnNames[k], display, decimals);
    }
    text += CFormat("%s ", row.relationText.c_str());
    text += ShownNumber(row.rhs, display, decimals);
    return text;
}

// The number of kept pages that really exist in a store.
std::size_t KeptPages(std::int32_t count) {
    return static_cast<std::size_t>(std::clamp<std::int32_t>(count, 0, kTableauPages));
}

void AppendPages(std::string& report, const char* kind, const VantrellState& state, bool dual) {
    report += ReportSetup(state, dual);
    int number = 0;
    const std::vector<std::string> explained = ReportNotes(state, dual);
    const ExactRun* exact = state.mExplain ? KeptExactRun(state, dual) : nullptr;
    ForEachKeptPage(state, dual, [&](ShownPage& shown) {
        const TableauPage& page = shown.Page();
        report += CFormat("\n\n%s Tableau #%d", kind, ++number) + PhaseSuffix(page.mPhase) + "\n";
        for (const std::string& line : page.Lines()) {
            report += "\n";
            report += line;
        }
        report += CFormat("\n\n%s: Leaves, %s Enters, PivotValue = ", page.mLeaving.c_str(),
                          page.mEntering.c_str());
        report += shown.pivotText + "\n";
        for (const std::string& note : shown.notes) {
            report += "Note: " + note + "\n";
        }
        // The decimal pages do not carry the note where the exact run parts from them.
        if (state.mExplain && shown.source != nullptr) {
            for (const std::string& note :
                 PartingNotes(exact, static_cast<std::size_t>(number - 1))) {
                report += "Note: " + note + "\n";
            }
        }
        report += ReportPageNote(explained, static_cast<std::size_t>(number - 1));
    });
    report += ReportDecidingPage(state, dual, kind, number + 1);
}

// The solution entries and value in exact numbers, when the display asks for them and the
// run has an exact run.
struct ExactSolution {
    std::vector<std::string> entries;
    std::string value;
};

std::optional<ExactSolution> ExactSolutionOf(const VantrellState& state, bool dual) {
    if (state.mDisplay.IsDefault()) {
        return std::nullopt;
    }
    const ExactRun* run = KeptExactRun(state, dual);
    if (run == nullptr || !run->certified || run->pages.empty()) {
        return std::nullopt;
    }
    // A run the user stopped ends on its own page, not on the exact run's last.
    const KeptRunOf<const VantrellState> kept = KeptRun(state, dual);
    const std::size_t count = run->pages.size();
    const std::size_t shown =
        kept.outcome == RunOutcome::Stopped
            ? std::clamp<std::size_t>(static_cast<std::size_t>(std::max(kept.count, 1)), 1, count)
            : count;
    const ExactPage& last = run->pages[shown - 1];
    ExactSolution solution;
    for (std::size_t r = 0; r < last.basisNames.size(); ++r) {
        solution.entries.push_back(
            kIndent + last.basisNames[r] + " = " +
            NumberText(last.bi[r], state.mDisplay.numbers, state.mDecimalPlaces) + "\n");
    }
    solution.value = NumberText(last.z, state.mDisplay.numbers, state.mDecimalPlaces);
    return solution;
}

// The basis lines, then the objective value and the closing line, or the line that
// says why the run has no solution.
void AppendSolution(std::string& report, const KeptRunOf<const VantrellState>& run,
                    const std::optional<ExactSolution>& exact, int decimals, const char* valueLabel,
                    const std::string& closingLine, bool explain) {
    const std::string entry = FillDecimals("    %%s = %%.%dlf\n", decimals);
    // A run stopped by an overflow keeps the values of the pivot that overflowed. An
    // unbounded run's values are the point before its last pivot, no answer: the explained
    // report does not list them.
    const bool noAnswer =
        run.outcome == RunOutcome::TooLarge || (explain && run.outcome == RunOutcome::Unbounded);
    const std::size_t entries = noAnswer ? 0 : std::min(run.basis.size(), run.values.size());
    for (std::size_t i = 0; i < entries; ++i) {
        report += exact && i < exact->entries.size()
                      ? exact->entries[i]
                      : CFormatDynamic(entry, run.basis[i].name.c_str(), run.values[i]);
    }

    const std::string failure = OutcomeSolutionText(run.outcome);
    if (!failure.empty()) {
        report += kIndent + failure + "\n";
        return;
    }
    report += valueLabel;
    const std::size_t kept = KeptPages(run.count);
    // With no run kept there is no last page to take the value from: it stays empty.
    if (run.outcome == RunOutcome::Optimal && kept > 0) {
        report += exact ? exact->value : FixedText(run.pages[kept - 1].mZ, decimals);
    }
    report += "\n";
    report += closingLine;
}

// "    Other Variables: 0.0" as it always read, with the zero of fractions when they are shown.
std::string OtherVariablesLine(const VantrellState& state, const char* label) {
    const bool fractions = state.mDisplay.numbers == NumberStyle::Fractions;
    return std::string(kIndent) + label + (fractions ? ": 0\n" : ": 0.0\n");
}

}  // namespace

ReportClock ReportClockNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    ReportClock clock;
    clock.month = local.tm_mon + 1;
    clock.day = local.tm_mday;
    clock.year = local.tm_year + 1900;
    clock.hour = local.tm_hour;
    clock.minute = local.tm_min;
    return clock;
}

std::string ReportObjectiveText(const VantrellState& state) {
    std::string text;
    for (const CostTerm& term : state.mPrimal.objective) {
        text += ReportTerm(term.cost, term.name, state.mDisplay, state.mDecimalPlaces);
    }
    return text;
}

std::string ReportPrimalConstraintText(const VantrellState& state, std::size_t i) {
    if (i >= state.mPrimal.constraints.size()) {
        return {};
    }
    return ConstraintText(state.mPrimal.constraints[i], state.mDisplay, state.mDecimalPlaces);
}

std::string ReportDualConstraintText(const VantrellState& state, std::size_t i) {
    if (i >= state.mDual.constraints.size()) {
        return {};
    }
    return ConstraintText(state.mDual.constraints[i], state.mDisplay, state.mDecimalPlaces);
}

std::string BuildReport(const VantrellState& state, const ReportClock& when) {
    const int decimals = state.mDecimalPlaces;
    std::string report = CFormat("Date: %2d/%2d/%2d,    Time: %2d:%2d\n\n", when.month, when.day,
                                 when.year, when.hour, when.minute);
    if (!state.mFileName.empty()) {
        report += "Filename: " + state.mFileName + "\n\n";
    }
    report += state.mProblemName + "\n\n";

    report += "Objective Function: Z = " + ReportObjectiveText(state) + "\n\n";
    report += "\nPrimal Constraints:\n";
    for (std::size_t i = 0; i < state.mPrimal.constraints.size(); ++i) {
        report += kIndent + ReportPrimalConstraintText(state, i) + "\n";
    }
    if (KeptRunIsStale(state, false)) {
        report += kPrimalNotSolvedLine;
    } else {
        AppendPages(report, "Primal", state, false);
        report += "\n\nComplete Primal Solution:\n";
        AppendSolution(report, KeptRun(state, false), ExactSolutionOf(state, false), decimals,
                       "    Primal Solution = ", OtherVariablesLine(state, "Other Variables"),
                       state.mExplain);
        report += ReportStatedLine(state, false);
        report += ReportRunExplanation(state, false);
    }

    if (!state.mDisplayDuality) {
        return report;
    }

    report += "\n\n\nDual Constraints:\n";
    for (std::size_t i = 0; i < state.mDual.constraints.size(); ++i) {
        report += kIndent + ReportDualConstraintText(state, i) + "\n";
    }
    report += ReportDualObjective(state);
    if (KeptRunIsStale(state, true)) {
        report += kDualNotSolvedLine;
        return report;
    }
    AppendPages(report, "Dual", state, true);
    report += "\n\nComplete Dual Solution:\n";
    AppendSolution(report, KeptRun(state, true), ExactSolutionOf(state, true), decimals,
                   "    Dual Solution = ", OtherVariablesLine(state, "Other Dual Variables"),
                   state.mExplain);
    report += ReportStatedLine(state, true);
    report += ReportRunExplanation(state, true);
    report += ReportStrongDuality(state);
    return report;
}

}  // namespace vantrell

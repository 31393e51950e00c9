// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/exact_page_text.h"

#include <algorithm>

#include "model/number_text.h"
#include "simplex/solution_lines.h"
#include "teach/special_cases.h"

namespace vantrell {
namespace {

std::string CellText(const Rational& value, const DisplayOptions& options, int decimals) {
    return NumberText(value, options.numbers, decimals);
}

}  // namespace

Rational PivotOf(const ExactPage& exact) {
    if (exact.entering < 0 || exact.leaving < 0) {
        return {};
    }
    return exact
        .cells[static_cast<std::size_t>(exact.leaving)][static_cast<std::size_t>(exact.entering)];
}

TableauPage ExactTableauPage(const ExactPage& exact, const DisplayOptions& options, int decimals) {
    TableauPage page;
    if (exact.entering >= 0) {
        page.mEntering = exact.columnNames[static_cast<std::size_t>(exact.entering)];
    }
    if (exact.leaving >= 0) {
        page.mLeaving = exact.basisNames[static_cast<std::size_t>(exact.leaving)];
    }
    page.mPivotValue = PivotOf(exact).get_d();
    page.mZ = exact.z.get_d();
    page.mRule = exact.rule;
    page.mPhase = exact.phase;

    TableauPage::Line cj{"", "Cj"};
    TableauPage::Line heading{"Cb", "Basis"};
    for (std::size_t k = 0; k < exact.cj.size(); ++k) {
        cj.push_back(MValueText(exact.cj[k], options, decimals));
        heading.push_back(exact.columnNames[k]);
    }
    heading.push_back("Bi");
    heading.push_back("Bi/Aij");
    page.mRows.push_back(std::move(cj));
    page.mRows.push_back(std::move(heading));

    for (std::size_t r = 0; r < exact.cells.size(); ++r) {
        TableauPage::Line line{MValueText(exact.cb[r], options, decimals), exact.basisNames[r]};
        for (const Rational& cell : exact.cells[r]) {
            line.push_back(CellText(cell, options, decimals));
        }
        line.push_back(CellText(exact.bi[r], options, decimals));
        line.push_back(exact.ratios[r] ? CellText(*exact.ratios[r], options, decimals) : "-");
        page.mRows.push_back(std::move(line));
    }

    TableauPage::Line zjLine{"", "Zj"};
    TableauPage::Line cjzjLine{"", "Cj-Zj"};
    for (std::size_t k = 0; k < exact.zj.size(); ++k) {
        zjLine.push_back(MValueText(exact.zj[k], options, decimals));
        cjzjLine.push_back(MValueText(exact.cjzj[k], options, decimals));
    }
    // The decimal pages print Z without its M part; every other display gives it whole.
    cjzjLine.push_back(options.IsDefault() || exact.zM == 0
                           ? CellText(exact.z, options, decimals)
                           : MValueText({exact.z, exact.zM, true}, options, decimals));
    page.mRows.push_back(std::move(zjLine));
    page.mRows.push_back(std::move(cjzjLine));
    return page;
}

std::optional<TableauPage> DecidingPage(const ExactRun* run, int count,
                                        const DisplayOptions& options, int decimals) {
    if (run == nullptr || run->outcome != RunOutcome::Unbounded || !run->certified ||
        !run->unboundedEnd || run->unboundedEnd->entering < 0 || run->parted ||
        static_cast<int>(run->pages.size()) != count) {
        return std::nullopt;
    }
    return ExactTableauPage(*run->unboundedEnd, options, decimals);
}

ShownPage ShownExactPage(const ExactPage& exact, const DisplayOptions& options, int decimals) {
    ShownPage shown;
    shown.exact = ExactTableauPage(exact, options, decimals);
    shown.pivotText = CellText(PivotOf(exact), options, decimals);
    shown.zText = shown.exact.mRows.back().back();
    shown.notes = exact.notes;
    return shown;
}

ShownPage ShownDecimalPage(const TableauPage& page) {
    return {&page, {}, CFormat("%f", page.mPivotValue), {}, {}};
}

void ForEachShownPage(const VantrellState& state, const ExactRun* run, const PageStore& pages,
                      int count, const std::function<void(ShownPage&)>& visit) {
    // The exact views follow the exact run, also where round-off made the decimal run part
    // from it; the default display prints the decimal run's own pages.
    if (run != nullptr && !state.mDisplay.IsDefault() && !run->pages.empty()) {
        for (const ExactPage& exact : run->pages) {
            ShownPage shown = ShownExactPage(exact, state.mDisplay, state.mDecimalPlaces);
            visit(shown);
        }
        return;
    }
    const auto kept = static_cast<std::size_t>(std::clamp(count, 0, kTableauPages));
    for (std::size_t p = 0; p < kept; ++p) {
        ShownPage shown = ShownDecimalPage(pages[p]);
        visit(shown);
    }
}

void ForEachKeptPage(const VantrellState& state, bool dual,
                     const std::function<void(ShownPage&)>& visit) {
    const auto kept = KeptRun(state, dual);
    // The default display prints decimals: it never needs the exact run.
    const ExactRun* run = state.mDisplay.IsDefault() ? nullptr : KeptExactRun(state, dual);
    ForEachShownPage(state, run, kept.pages, kept.count, visit);
}

void ForEachCurrentPage(const VantrellState& state, const std::function<void(ShownPage&)>& visit) {
    const ExactRun* run = state.mDisplay.IsDefault() ? nullptr : CurrentExactRun(state);
    ForEachShownPage(state, run, state.mPages, state.mTableauCount, visit);
}

std::vector<ShownPage> DisplayedKeptPages(const VantrellState& state, bool dual) {
    std::vector<ShownPage> shown;
    ForEachKeptPage(state, dual, [&shown](ShownPage& page) { shown.push_back(std::move(page)); });
    return shown;
}

ShownPage DisplayedRunPage(const VantrellState& state, std::size_t index) {
    const ExactRun* run = state.mDisplay.IsDefault() ? nullptr : CurrentExactRun(state);
    if (run != nullptr && !state.mDisplay.IsDefault() && !run->pages.empty()) {
        // Past the exact run's end (where the decimal run went on) its last page stands.
        const ExactPage& exact = run->pages[std::min(index, run->pages.size() - 1)];
        return ShownExactPage(exact, state.mDisplay, state.mDecimalPlaces);
    }
    return ShownDecimalPage(state.mPages[std::min(index, PageStore::size() - 1)]);
}

ShownPage DisplayedCurrentPage(const VantrellState& state, const TableauPage& page) {
    if (state.mDisplay.IsDefault() || state.mTableauCount <= 0) {
        return ShownDecimalPage(page);
    }
    return DisplayedRunPage(state, static_cast<std::size_t>(state.mTableauCount - 1));
}

std::function<std::string(double)> ShownNumberText(const VantrellState& state) {
    return [display = state.mDisplay, decimals = state.mDecimalPlaces](double value) {
        return ShownNumber(value, display, decimals);
    };
}

std::string ShownNumber(double value, const DisplayOptions& options, int decimals) {
    if (options.numbers == NumberStyle::Decimals) {
        return FixedText(value, decimals);
    }
    return NumberText(ExactFromDouble(value), options.numbers, decimals);
}

std::vector<std::string> ExactSolutionLines(const ExactRun& run, const DisplayOptions& options,
                                            int decimals) {
    const RunOutcome outcome = run.outcome;
    if (outcome == RunOutcome::Unbounded || outcome == RunOutcome::Cycling ||
        outcome == RunOutcome::PageLimit || outcome == RunOutcome::TooLarge || run.pages.empty()) {
        return {OutcomeSolutionText(outcome)};
    }
    std::vector<std::string> lines;
    const ExactPage& last = run.pages.back();
    for (std::size_t r = 0; r < last.basisNames.size(); ++r) {
        lines.push_back(last.basisNames[r] + " = " + CellText(last.bi[r], options, decimals));
    }
    if (outcome == RunOutcome::Infeasible) {
        lines.push_back(OutcomeSolutionText(outcome));
        return lines;
    }
    lines.push_back("Solution = " + CellText(last.z, options, decimals));
    // Decimals keep the line as it always read; fractions write their zero.
    lines.push_back(options.numbers == NumberStyle::Decimals ? "Other Variables: 0.0"
                                                             : "Other Variables: 0");
    return lines;
}

std::vector<std::string> DefaultSolutionLines(const VantrellState& state) {
    const ExactRun* run = state.mRun.method != SolveMethod::BigM ? CurrentExactRun(state) : nullptr;
    if (run == nullptr) {
        return SolutionLines(state);
    }
    if (!run->certified) {
        return {UncertifiedLine(*run)};
    }
    return ExactSolutionLines(*run, DisplayOptions{}, state.mDecimalPlaces);
}

std::vector<std::string> DisplayedSolutionLines(const VantrellState& state) {
    if (state.mDisplay.IsDefault()) {
        return state.mSolutionLines;
    }
    const ExactRun* run = CurrentExactRun(state);
    if (run == nullptr || !run->certified) {
        return state.mSolutionLines;
    }
    return ExactSolutionLines(*run, state.mDisplay, state.mDecimalPlaces);
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/exact_page_text.h"

#include <algorithm>

#include "model/number_text.h"

namespace vantrell {
namespace {

std::string CellText(const Rational& value, const DisplayOptions& options, int decimals) {
    return NumberText(value, options.numbers, decimals);
}

}  // namespace

TableauPage ExactTableauPage(const ExactPage& exact, const TableauPage& shown,
                             const DisplayOptions& options, int decimals) {
    TableauPage page;
    page.mEntering = shown.mEntering;
    page.mLeaving = shown.mLeaving;
    page.mPivotValue = shown.mPivotValue;
    page.mZ = shown.mZ;

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
    cjzjLine.push_back(CellText(exact.z, options, decimals));
    page.mRows.push_back(std::move(zjLine));
    page.mRows.push_back(std::move(cjzjLine));
    return page;
}

void ForEachShownPage(const VantrellState& state, bool dual, const PageStore& pages, int count,
                      RunOutcome outcome, const std::function<void(ShownPage&)>& visit) {
    const auto kept = static_cast<std::size_t>(std::clamp(count, 0, kTableauPages));
    const auto run =
        state.mDisplay.IsDefault() ? std::nullopt : ReplayPages(state, dual, pages, count, outcome);
    const int decimals = state.mDecimalPlaces;
    for (std::size_t p = 0; p < kept; ++p) {
        ShownPage shown{&pages[p], {}, CFormat("%f", pages[p].mPivotValue), {}};
        if (run && p < run->pages.size()) {
            const ExactPage& exact = run->pages[p];
            shown.exact = ExactTableauPage(exact, pages[p], state.mDisplay, decimals);
            shown.source = nullptr;
            Rational pivot;
            if (exact.entering >= 0 && exact.leaving >= 0) {
                pivot = exact.cells[static_cast<std::size_t>(exact.leaving)]
                                   [static_cast<std::size_t>(exact.entering)];
            }
            shown.pivotText = CellText(pivot, state.mDisplay, decimals);
            shown.notes = exact.notes;
        }
        visit(shown);
    }
}

std::vector<ShownPage> DisplayedPages(const VantrellState& state, bool dual, const PageStore& pages,
                                      int count, RunOutcome outcome) {
    std::vector<ShownPage> shown;
    ForEachShownPage(state, dual, pages, count, outcome,
                     [&shown](ShownPage& page) { shown.push_back(std::move(page)); });
    return shown;
}

ShownPage DisplayedCurrentPage(const VantrellState& state, const TableauPage& page) {
    const ShownPage asShown{&page, {}, CFormat("%f", page.mPivotValue), {}};
    if (state.mDisplay.IsDefault() || state.mTableauCount <= 0) {
        return asShown;
    }
    std::vector<ShownPage> pages = DisplayedPages(state, state.mSolvingDual, state.mPages,
                                                  state.mTableauCount, OutcomeSoFar(state));
    return pages.empty() ? asShown : pages.back();
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

std::vector<ShownPage> DisplayedKeptPages(const VantrellState& state, bool dual) {
    return dual ? DisplayedPages(state, true, state.mDualPages, state.mDualTableauCount,
                                 state.mDualOutcome)
                : DisplayedPages(state, false, state.mPrimalPages, state.mPrimalTableauCount,
                                 state.mPrimalOutcome);
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
    lines.push_back("Other Variables: 0.0");
    return lines;
}

std::vector<std::string> DisplayedSolutionLines(const VantrellState& state) {
    if (state.mDisplay.IsDefault()) {
        return state.mSolutionLines;
    }
    const auto run = ReplayPages(state, state.mSolvingDual, state.mPages, state.mTableauCount,
                                 state.mRunOutcome);
    if (!run || !run->complete) {
        return state.mSolutionLines;
    }
    return ExactSolutionLines(*run, state.mDisplay, state.mDecimalPlaces);
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/method_run.h"

#include <algorithm>
#include <memory>

#include "model/variable_names.h"
#include "simplex/solution_lines.h"
#include "simplex/standard_form.h"
#include "teach/dual_simplex.h"
#include "teach/exact_page_text.h"
#include "teach/special_cases.h"
#include "teach/step_notes.h"
#include "teach/two_phase.h"

namespace vantrell {
namespace {

// The dual simplex method writes its own first tableau: every row gets a slack, a >= row
// is multiplied by -1 first. The run is made here; nullopt after a refusal.
std::optional<ExactRun> DualSimplexMethodOf(VantrellState& state, Prompt& prompt, bool dual,
                                            std::vector<SetupStep>& setup) {
    const ProblemSet& stated = KeptRun(state, dual).problem;
    // The dual is kept as the maximization the tableaus solve.
    const bool negate = state.mMinimize && !dual;
    DualSimplexMethodRun method = RunDualSimplexMethod(stated, negate, NoteNumbersOf(state));
    if (method.refusal) {
        prompt.ShowMessage(*method.refusal);
        return std::nullopt;
    }
    setup.clear();
    for (std::size_t i = 0; i < stated.constraints.size(); ++i) {
        if (stated.constraints[i].relation == kGreaterEqual) {
            setup.push_back({SetupStep::Kind::NegateRow, i, {}});
        }
        setup.push_back({SetupStep::Kind::AddSlack, i, SlackName(static_cast<int>(i + 1))});
    }
    state.mWork = std::move(method.work);
    state.mBasis = std::move(method.basis);
    ExactRun run = std::move(method.run.run);
    run.dual = dual;
    run.minimize = state.mMinimize;
    return run;
}

// The basis of the run's last page, as cost terms of its columns.
std::vector<CostTerm> LastBasis(const ExactRun& run) {
    std::vector<CostTerm> basis;
    if (run.pages.empty()) {
        return basis;
    }
    const ExactPage& last = run.pages.back();
    const std::vector<CostTerm>& objective = PageObjective(run, run.pages.size() - 1);
    for (const std::string& name : last.basisNames) {
        const auto it = std::find_if(objective.begin(), objective.end(),
                                     [&name](const CostTerm& term) { return term.name == name; });
        basis.push_back(it != objective.end() ? *it : CostTerm{0, name});
    }
    return basis;
}

// Shows the made run's pages one at a time; the user may stop on any page.
void PresentPages(VantrellState& state, Prompt& prompt, PagePresenter& presenter,
                  const ExactRun& run) {
    state.mDone = false;
    state.mRunOutcome = RunOutcome::NotRun;
    state.mTableauIndex = 0;
    state.mTableauCount = 0;
    const std::size_t count = std::min(run.pages.size(), static_cast<std::size_t>(kTableauPages));
    const bool ends = run.outcome == RunOutcome::Optimal || run.outcome == RunOutcome::Infeasible;
    for (std::size_t p = 0; p < count; ++p) {
        const ExactPage& exact = run.pages[p];
        TableauPage& page = state.mPages.Fresh(p);
        page = ExactTableauPage(exact, DisplayOptions{}, state.mDecimalPlaces);
        state.mDone = ends && p + 1 == count;
        state.mLeavingRow = exact.leaving;
        state.mTableauCount = static_cast<int>(p + 1);
        presenter.ShowPage(state, page);
        state.mTableauIndex = static_cast<int>(p + 1);
        if (!state.mDone && presenter.StopRequested()) {
            state.mRunOutcome = RunOutcome::Stopped;
            state.mSolutionLines = {OutcomeSolutionText(RunOutcome::Stopped)};
            return;
        }
    }
    state.mRunOutcome = run.outcome;
    if (run.outcome == RunOutcome::Unbounded && run.unboundedEnd) {
        const int column = run.unboundedEnd->entering;
        presenter.Unbounded(state, column);
        prompt.ShowMessage(
            UnboundedLine(run.unboundedEnd->columnNames[static_cast<std::size_t>(column)],
                          run.minimize, run.dual));
    } else if (run.outcome == RunOutcome::Cycling || run.outcome == RunOutcome::PageLimit) {
        prompt.ShowMessage(OutcomeSolutionText(run.outcome));
    }
    // As a big-M run does: only an answer sets it, nothing clears it.
    if (ends) {
        state.mSolved = true;
    }
    state.mSolutionLines = DefaultSolutionLines(state);
}

}  // namespace

bool RunExactMethod(VantrellState& state, Prompt& prompt, PagePresenter& presenter) {
    const bool dual = state.mSolvingDual;
    // A refusal of the method leaves the working fields as the last run left them.
    ProblemSet work = state.mWork;
    std::vector<CostTerm> basis = state.mBasis;
    SizeFields sizes = state.mSizeFields;
    std::vector<SetupStep> setup;
    // The checks and the size fields are the standard form's, whatever the method.
    if (!BuildStandardForm(state, prompt, &setup)) {
        return false;
    }
    std::optional<ExactRun> run;
    if (state.mMethod == SolveMethod::DualSimplex) {
        run = DualSimplexMethodOf(state, prompt, dual, setup);
        if (!run) {
            state.mWork = std::move(work);
            state.mBasis = std::move(basis);
            state.mSizeFields = std::move(sizes);
            return false;
        }
    } else {
        run = RunTwoPhase(state.mWork, state.mBasis, state.mPivotRule, dual, state.mMinimize);
    }
    auto made = std::make_shared<MadeExactRun>(std::move(*run));
    state.mRun = RunRecord{made, {}, std::move(setup), state.mMethod};
    const ExactRun& shown = made->Run();
    PresentPages(state, prompt, presenter, shown);
    state.mBasis = LastBasis(shown);
    return true;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/practice_commands.h"

#include "commands/calculate_commands.h"
#include "simplex/tableau_steps.h"
#include "simplex/tableau_text.h"
#include "teach/exact_page_text.h"

namespace vantrell {
namespace {

// Stands between the engine and the student: each shown page is asked before the run
// pivots. The engine does not show the page on which no row limits the entering column;
// it says so through its Unbounded event, and that page is asked there. The questions
// and their right answers are read off the exact run's page of the same number.
class PracticeBridge : public PagePresenter, public Prompt {
  public:
    PracticeBridge(const VantrellState& state, Prompt& prompt, PracticeFront& front, bool dual,
                   PracticeLevel level)
        : mState(state), mPrompt(prompt), mFront(front), mSession(dual, level) {}

    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        if (mSession.Stopped()) {
            return;
        }
        const ShownPage shown = DisplayedCurrentPage(state, page);
        Ask(shown.Page());
    }

    void Unbounded(const VantrellState& state, int) override {
        if (mSession.Stopped()) {
            return;
        }
        const ExactRun* run = CurrentExactRun(state);
        // A method that runs in exact numbers only has no decimal working fields to show.
        const bool exactPage =
            !state.mDisplay.IsDefault() || state.mRun.method != SolveMethod::BigM;
        if (run != nullptr && exactPage && run->unboundedEnd) {
            Ask(ExactTableauPage(*run->unboundedEnd, state.mDisplay, state.mDecimalPlaces));
        } else {
            // The page as it would have been shown, in the run's own numbers.
            TableauPage page;
            page.mZ = ObjectiveValue(state.mWork, state.mBasis);
            WriteTableauText(page, state.mWork, state.mBasis, state.mZj, state.mCjZj, state.mRatios,
                             state.mDecimalPlaces);
            Ask(page);
        }
        // The student who settled it has been told why; the message box would repeat it.
        mUnboundedTold = mSession.Finished();
    }

    void ShowMessage(const std::string& text) override {
        if (mUnboundedTold) {
            mUnboundedTold = false;
            return;
        }
        mPrompt.ShowMessage(text);
    }
    bool AskYesNo(const std::string& question) override { return mPrompt.AskYesNo(question); }
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec& request) override {
        return mPrompt.ChooseFileToOpen(request);
    }
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec& request) override {
        return mPrompt.ChooseFileToSave(request);
    }

    const PracticeRecord& Record() const { return mSession.Record(); }

  private:
    void Ask(const TableauPage& shown) {
        const ExactRun* run = CurrentExactRun(mState);
        if (run == nullptr) {
            return;
        }
        const auto index = static_cast<std::size_t>(mState.mTableauIndex);
        auto page = ReadPracticePage(*run, index, NoteNumbersOf(mState));
        if (!page) {
            // The decimal run went on past the exact run's end: nothing left to ask.
            mSession.Stop();
            return;
        }
        mSession.BeginPage(std::move(*page), shown, mState.mTableauIndex + 1);
        mFront.Practise(mSession);
        if (mSession.PageOpen()) {
            mSession.Stop();  // a front end that returns early has lost its student
        }
    }

    const VantrellState& mState;
    Prompt& mPrompt;
    PracticeFront& mFront;
    PracticeSession mSession;
    bool mUnboundedTold = false;
};

}  // namespace

PracticeRecord PracticeRun(VantrellState& state, Prompt& prompt, PracticeFront& front, bool dual,
                           PracticeLevel level) {
    PracticeBridge bridge(state, prompt, front, dual, level);
    if (dual) {
        CalculateDual(state, bridge, bridge);
    } else {
        CalculatePrimal(state, bridge, bridge);
    }
    // A run refused before its first page asked nothing and kept nothing new.
    if (!bridge.Record().decisions.empty()) {
        KeptRun(state, dual).record.practice = PracticeRecordLines(bridge.Record());
    }
    return bridge.Record();
}

}  // namespace vantrell

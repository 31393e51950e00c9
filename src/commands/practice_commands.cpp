// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/practice_commands.h"

#include "commands/calculate_commands.h"
#include "simplex/iteration.h"
#include "simplex/tableau_steps.h"
#include "simplex/tableau_text.h"
#include "teach/exact_page_text.h"

namespace vantrell {
namespace {

// Stands between the engine and the student: each shown page is asked before the run
// pivots. The engine does not show the page on which no row limits the entering column;
// it tells the user instead, so that message is where the unbounded page is asked.
class PracticeBridge : public PagePresenter, public Prompt {
  public:
    PracticeBridge(const VantrellState& state, Prompt& prompt, PracticeFront& front, bool dual)
        : mState(state), mPrompt(prompt), mFront(front), mSession(dual) {}

    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        if (mSession.Stopped()) {
            return;
        }
        const ShownPage shown = DisplayedCurrentPage(state, page);
        Ask(shown.Page());
    }

    void ShowMessage(const std::string& text) override {
        if (text == kUnboundedMessage && !mSession.Stopped()) {
            // The page as it would have been shown, in the run's own numbers.
            TableauPage page;
            page.mZ = ObjectiveValue(mState.mWork, mState.mBasis);
            WriteTableauText(page, mState.mWork, mState.mBasis, mState.mZj, mState.mCjZj,
                             mState.mRatios, mState.mDecimalPlaces);
            Ask(page);
            if (mSession.Finished()) {
                return;  // the student has been told why
            }
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
        // The checker asks the engine's own choice functions, so it checks the rule the run
        // pivots by.
        PracticePage page =
            ReadPracticePage(mState.mWork, mState.mBasis, mState.mCjZj, shown, mState.mPivotRule);
        mSession.BeginPage(std::move(page), shown, mState.mTableauIndex + 1);
        mFront.Practise(mSession);
        if (mSession.PageOpen()) {
            mSession.Stop();  // a front end that returns early has lost its student
        }
    }

    const VantrellState& mState;
    Prompt& mPrompt;
    PracticeFront& mFront;
    PracticeSession mSession;
};

}  // namespace

PracticeRecord PracticeRun(VantrellState& state, Prompt& prompt, PracticeFront& front, bool dual) {
    PracticeBridge bridge(state, prompt, front, dual);
    if (dual) {
        CalculateDual(state, bridge, bridge);
    } else {
        CalculatePrimal(state, bridge, bridge);
    }
    // A run refused before its first page asked nothing and kept nothing new.
    if (!bridge.Record().decisions.empty()) {
        (dual ? state.mDualPractice : state.mPrimalPractice) = PracticeRecordLines(bridge.Record());
    }
    return bridge.Record();
}

}  // namespace vantrell

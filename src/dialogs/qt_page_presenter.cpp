// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt_page_presenter.h"

#include "dialogs/tableau_dialog.h"
#include "teach/exact_page_text.h"
#include "teach/step_notes.h"

namespace vantrell {

void QtPagePresenter::ShowPage(const VantrellState& state, const TableauPage& page) {
    const ShownPage shown = DisplayedCurrentPage(state, page);
    CTableauDlg dialog(shown.Page(), state, mPrompt, mParent);
    dialog.SetNewestTexts(shown.pivotText, shown.zText);
    // Each page's note is made once, when the page is first shown.
    if (state.mTableauCount <= 1) {
        mNotes.clear();
    }
    for (auto p = static_cast<int>(mNotes.size()); p < state.mTableauCount; ++p) {
        mNotes.push_back(RunNoteOfPage(state, static_cast<std::size_t>(p)));
    }
    dialog.SetNotes(mNotes);
    Show(dialog, state);
}

void QtPagePresenter::Unbounded(const VantrellState& state, int /*column*/) {
    const ExactRun* run = CurrentExactRun(state);
    const auto deciding =
        DecidingPage(run, state.mTableauCount, state.mDisplay, state.mDecimalPlaces);
    if (!deciding) {
        return;  // the message box still says what the run found
    }
    CTableauDlg dialog(*deciding, state, mPrompt, mParent);
    // No pivot: only Z, as its cell shows it.
    dialog.SetNewestTexts({}, deciding->mRows.back().back());
    std::vector<std::string> notes = mNotes;
    notes.resize(static_cast<std::size_t>(std::max(state.mTableauCount, 0)));
    notes.push_back(DecidingPageNote(state));
    dialog.SetNotes(std::move(notes));
    dialog.ShowAsDecidingPage();
    Show(dialog, state);
}

void QtPagePresenter::Show(CTableauDlg& dialog, const VantrellState& state) {
    if (mPageShown) {
        QObject::connect(&dialog, &CTableauDlg::PageShown, &dialog,
                         [this, &state](int shownPage) { mPageShown(state, shownPage); });
    }
    if (state.mTableauCount <= 1) {
        mGeometry.clear();  // a new run
    }
    if (!mGeometry.isEmpty()) {
        // Where the student left the window, never narrower than this page needs.
        const QSize fitted = dialog.size();
        dialog.restoreGeometry(mGeometry);
        dialog.resize(dialog.size().expandedTo(fitted));
    }
    dialog.exec();
    mGeometry = dialog.saveGeometry();
    mStopRequested = dialog.StopRequested();
}

}  // namespace vantrell

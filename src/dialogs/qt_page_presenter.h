// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "model/prompt.h"
#include "simplex/page_presenter.h"

namespace vantrell {

class CTableauDlg;

// Shows each page of a run in a modal Tableau dialog; the run waits inside ShowPage until
// the user has left the page. The first page opens at the size the page needs; later pages
// of the same run open where and as large as the student left the one before.
class QtPagePresenter : public PagePresenter {
  public:
    explicit QtPagePresenter(Prompt& prompt) : mPrompt(prompt) {}
    void SetParentWindow(QWidget* parent) { mParent = parent; }
    // Called whenever the tableau window shows a page (from 0), going back and forth too.
    using PageShownHook = std::function<void(const VantrellState&, int)>;
    void SetPageShownHook(PageShownHook hook) { mPageShown = std::move(hook); }
    void ShowPage(const VantrellState& state, const TableauPage& page) override;
    bool StopRequested() const override { return mStopRequested; }
    // Shows the tableau that decides an unbounded run, after the run's pages.
    void Unbounded(const VantrellState& state, int column) override;

  private:
    void Show(CTableauDlg& dialog, const VantrellState& state);

    Prompt& mPrompt;
    QPointer<QWidget> mParent;
    // The size and place the student gave the window, kept for the rest of the run.
    QByteArray mGeometry;
    PageShownHook mPageShown;
    bool mStopRequested = false;
    // The notes of the run's pages so far.
    std::vector<std::string> mNotes;
};

}  // namespace vantrell

#pragma once

#include <QPointer>
#include <QWidget>

#include "model/prompt.h"
#include "simplex/page_presenter.h"

namespace vantrell {

// Shows each page of a run in a modal Tableau dialog; the run waits inside ShowPage until
// the user has left the page.
class QtPagePresenter : public PagePresenter {
  public:
    explicit QtPagePresenter(Prompt& prompt) : mPrompt(prompt) {}
    void SetParentWindow(QWidget* parent) { mParent = parent; }
    void ShowPage(const VantrellState& state, const TableauPage& page) override;

  private:
    Prompt& mPrompt;
    QPointer<QWidget> mParent;
};

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/prompt.h"
#include "model/tableau_page.h"
#include "model/vantrell_state.h"
#include "teach/exact_page_text.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantrell {

class TableauView;

// Shows one tableau page of a run: its lines, the entering and leaving variable, the pivot
// and Z. Back, Home and End show the pages the run has already produced, and Next goes
// forward through them again; none of them runs anything. Next on the newest page leaves
// it; on the run's last page it asks first. Escape and the close box leave without asking.
// Stop ends the run on the page on show.
class CTableauDlg : public QDialog {
    Q_OBJECT

  public:
    CTableauDlg(const TableauPage& page, const VantrellState& state, Prompt& prompt,
                QWidget* parent = nullptr);

    // Next: the following page already produced, else closes the page, after the
    // last-page question when the run has ended.
    void OnNext();
    // The notes of the pages produced so far, one per page; each shows under its table,
    // and an empty one hides the note.
    void SetNotes(std::vector<std::string> notes);
    // Outside the decimal display the newest page's pivot and Z as its cells show them.
    void SetNewestTexts(std::string pivot, std::string z);
    // The page given decides an unbounded run: it comes after the run's pages, with its
    // entering column and no leaving row.
    void ShowAsDecidingPage();
    void OnBack();
    void OnHome();
    void OnEnd();
    // Stop: leaves the page and ends the run here, keeping the pages made so far.
    void OnStop();
    bool StopRequested() const { return mStopRequested; }
    // The page on show, counting from 0.
    int ShownPageIndex() const { return mShown; }

  signals:
    // The page on show changed (also at the start), counting from 0.
    void PageShown(int page);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildLayout();
    // Shows a page with its pivot row and iteration number; returns the size its tableau
    // needs.
    QSize FillFields(const TableauPage& page, int leavingRow, int iteration,
                     const std::string& pivotText = {}, const std::string& zText = {});
    void UpdatePager();
    void ShowNote();
    // Shows page index of the pages produced so far; the newest is the page given.
    void ShowProduced(int index);
    // Sizes the window to the page: wanted is the size its tableau needs.
    void FitToPage(QSize wanted);

    const VantrellState& mState;
    Prompt& mPrompt;
    QLineEdit* mIterationField = nullptr;
    QLineEdit* mZField = nullptr;
    QLineEdit* mLeavingField = nullptr;
    QLineEdit* mEnteringField = nullptr;
    QLineEdit* mPivotField = nullptr;
    TableauView* mTableauView = nullptr;
    QPushButton* mNextButton = nullptr;
    QLabel* mNoteLabel = nullptr;
    QPushButton* mBackButton = nullptr;
    QPushButton* mHomeButton = nullptr;
    QPushButton* mEndButton = nullptr;
    QPushButton* mStopButton = nullptr;
    bool mStopRequested = false;
    bool mDeciding = false;  // the page decides an unbounded run: it ends there anyway
    const TableauPage& mNewest;
    int mShown = 0;
    int mNewestIndex = 0;
    // The earlier pages in the display options, made on the first step back.
    ShownPage mEarlier;  // an earlier page on show, in the display options
    std::vector<std::string> mNotes;
    std::string mNewestPivot;
    std::string mNewestZ;
};

}  // namespace vantrell

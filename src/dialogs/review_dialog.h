// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/graph_dialog.h"
#include "model/prompt.h"
#include "model/tableau_page.h"
#include "model/vantrell_state.h"
#include "plot/simplex_path.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vantrell {

class TableauView;

// The last run of the current problem, page by page, after it has ended: a list of its
// pages and the page on show with the tableau window's marks, in the display options.
// When the primal and the dual were both run, a switch chooses between them. Modeless; it
// only reads the kept runs and never runs anything. Plot opens the plot of the run's two
// variables with its path, and the plot and this window then follow each other's page.
class CReviewDlg : public QDialog {
    Q_OBJECT

  public:
    // primalPlot gives the main plot window of the primal, opening it first when asked to,
    // or nothing when there is none.
    using PlotSource = std::function<CGraphDlg*(bool open)>;
    CReviewDlg(VantrellState& state, Prompt& prompt, PlotSource primalPlot,
               QWidget* parent = nullptr);

    // Reads the kept runs again, showing the last one made; false when none of them is of
    // the problem now in the primal.
    bool Reload();
    void ShowRun(bool dual);
    void SelectPage(int page);
    void OpenPlot();

    bool ShowsDual() const { return mDual; }
    // The page on show, from 0; -1 for the setup before the first tableau.
    int ShownPageIndex() const { return mShown; }
    int PageCount() const { return static_cast<int>(mPages.size()); }
    // The plot window that follows this one's page, if it is open.
    CGraphDlg* LinkedPlot() const;

  private:
    void BuildLayout();
    void ShowPage(int page);
    // The page list's row: the setup comes first when there is one, then the pages.
    void ShowRow(int row);
    void ShowSetup();
    int FirstPage() const { return mSetup.empty() ? 0 : -1; }
    void LinkPlot(CGraphDlg* plot);
    CGraphDlg* DualPlot(bool open);

    VantrellState& mState;
    Prompt& mPrompt;
    PlotSource mPrimalPlot;
    bool mDual = false;
    int mShown = -1;
    // Copies, so that a later run replacing the kept pages cannot pull them from under us.
    std::vector<TableauPage> mPages;
    // Each page's pivot and Z as its cells show them; empty for the decimal pages.
    std::vector<std::pair<std::string, std::string>> mFieldTexts;
    std::optional<SimplexPath> mPath;
    // Each page's note; the last one followed by the run's special cases.
    std::vector<std::string> mNotes;
    // How the problem became the first tableau, shown before it as page -1.
    std::vector<std::string> mSetup;
    // The dual's own plot over its own state: the dual's rows in the places of the primal's.
    VantrellState mDualPlotState;
    QPointer<CGraphDlg> mDualPlot;
    QList<QPointer<CGraphDlg>> mConnectedPlots;

    QRadioButton* mPrimalButton = nullptr;
    QRadioButton* mDualButton = nullptr;
    QListWidget* mPageList = nullptr;
    QLineEdit* mIterationField = nullptr;
    QLineEdit* mZField = nullptr;
    QLineEdit* mLeavingField = nullptr;
    QLineEdit* mEnteringField = nullptr;
    QLineEdit* mPivotField = nullptr;
    TableauView* mTableauView = nullptr;
    QLabel* mNoteLabel = nullptr;
    QLabel* mPracticeLabel = nullptr;
    QPushButton* mHomeButton = nullptr;
    QPushButton* mBackButton = nullptr;
    QPushButton* mNextButton = nullptr;
    QPushButton* mEndButton = nullptr;
    QPushButton* mPlotButton = nullptr;
};

}  // namespace vantrell

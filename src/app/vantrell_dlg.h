// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>

#include "app/main_command.h"
#include "commands/file_commands.h"
#include "commands/recent_files.h"
#include "dialogs/graph_dialog.h"
#include "dialogs/main_views.h"
#include "dialogs/review_dialog.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "simplex/page_presenter.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace vantrell {

// The main window: the problem and its dual as equations, the counts of the last standard
// form and the complete solution, with the menu and the Ctrl+letter keys. It owns the
// program's state; every other window reaches the state through it.
class CVantrellDlg : public QDialog, public MainViews {
    Q_OBJECT

  public:
    // Shows a modal dialog and returns its result; tests replace it to drive the dialog.
    using ModalRunner = std::function<int(QDialog&)>;

    CVantrellDlg(Prompt& prompt, PagePresenter& presenter, QWidget* parent = nullptr);
    ~CVantrellDlg() override;

    VantrellState& State() { return mState; }
    const VantrellState& State() const { return mState; }
    void SetModalRunner(ModalRunner runner) { mRunModal = std::move(runner); }
    // Called after every command, so that what the settings keep (options, recent files)
    // is written as it changes, not only on a clean exit.
    void SetAfterCommandHook(std::function<void()> hook) { mAfterCommand = std::move(hook); }
    void RunCommand(MainCommand command);
    // Opens the problem file at path as Open does after its file dialog (save question,
    // messages): for the command line, a drop and the recent files.
    void OpenFile(const std::string& path);
    // The File menu's recent problems, newest first.
    void SetRecentFiles(const std::vector<std::string>& paths);
    const std::vector<std::string>& RecentFilePaths() const { return mRecent.Paths(); }
    QAction* Action(MainCommand command) const { return mActions.at(command); }
    // The plot window once the first 2D Plot has made it; it lives as long as this window.
    CGraphDlg* GraphDialog() const { return mGraphDlg; }
    // The Review window once Review Tableaus has made it.
    CReviewDlg* ReviewDialog() const { return mReviewDlg; }
    // A run's tableau window shows page `page` (from 0): the plot, if open, follows it.
    void ShowRunPageOnPlot(const VantrellState& state, int page);

    // The view refreshes the commands call, and the selection of the primal list.
    void ShowPrimalObjective() override;
    void ShowPrimalConstraints() override;
    void ShowDualObjective() override;
    void ShowDualConstraints() override;
    void RebuildDual() override;
    int SelectedConstraint() const override;

    // Escape and the close box ask before the program ends.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A problem file dropped on the window is opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildLayout();
    void RunCommandOnly(MainCommand command);
    void ShowSolutionList();
    void ShowSizeFields();
    void ShowFileFields();
    void AfterCommand(MainCommand command, const SolvedProblem& before);
    void MarkSaved();
    void ShowTitle();
    bool HasUnsavedChanges() const;

    void DispatchCommand(MainCommand command);
    void OnNew();
    void OnOpen();
    void ShowOpened(OpenResult result);
    // The solution list and sizes after a run, a minimization's list ending in its minimum.
    void ShowRunResult();
    // Every field, after Open, Import or New Exercise put a problem in place of the old one.
    void ShowReplacedProblem();
    void OnSaveText();
    void OnImport();
    void OnExportPdf();
    void OnPrint();
    void ShowRecentFiles();
    void OnSaveExcel();
    void OnExportSolution();
    void OnExit();
    void OnObjectiveFunction();
    void OnConstraints();
    void OnDeleteConstraint();
    void OnPlot2D();
    // Opens the plot window (nothing when the problem cannot be plotted) with the kept
    // primal run's path, and returns it.
    CGraphDlg* OpenPlot();
    void OnReviewTableaus();
    void OnDeselectConstraint();
    void OnCalculate(bool dual);
    void OnPractice(bool dual);
    void OnNewExercise();
    void OnNewExerciseSheet();
    void OnOptions();
    void OnSensitivity();
    void OnAbout();
    void OnUserGuide();
    void OnDualListDoubleClicked();

    VantrellState mState;
    Prompt& mPrompt;
    PagePresenter& mPresenter;
    ModalRunner mRunModal;
    std::function<void()> mAfterCommand;
    std::map<MainCommand, QAction*> mActions;
    RecentFiles mRecent;
    std::vector<QAction*> mRecentActions;
    QPointer<CGraphDlg> mGraphDlg;
    QPointer<CReviewDlg> mReviewDlg;
    // The problem as last opened, saved or started anew, for the unsaved-changes mark.
    SolvedProblem mSaved;
    std::string mSavedName;

    QLineEdit* mProblemNameEdit = nullptr;
    QLineEdit* mFileNameEdit = nullptr;
    QLineEdit* mPrimalObjective = nullptr;
    QListWidget* mPrimalList = nullptr;
    QLineEdit* mDualObjective = nullptr;
    QLabel* mPrimalSense = nullptr;
    QLabel* mDualSense = nullptr;
    // The dual as stated, W with its own sense, under the form the tableaus maximize.
    QLabel* mDualStated = nullptr;
    QListWidget* mDualList = nullptr;
    QListWidget* mSolutionList = nullptr;
    QLineEdit* mNField = nullptr;
    QLineEdit* mMField = nullptr;
    QLineEdit* mNMinusMField = nullptr;
};

}  // namespace vantrell

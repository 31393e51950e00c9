// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's practice commands: Practice Primal and Dual, New Exercise.
#include <QLineEdit>
#include <QRandomGenerator>

#include "app/vantrell_dlg.h"
#include "commands/exercise_commands.h"
#include "commands/practice_commands.h"
#include "commands/sheet_commands.h"
#include "dialogs/exercise_dialog.h"
#include "dialogs/practice_dialog.h"

namespace vantrell {

void CVantrellDlg::OnPractice(bool dual) {
    QtPracticeFront front(this, mRunModal, mState.mDisplay.ShowsGrid());
    // Its answers stay with the kept run.
    PracticeRun(mState, mPrompt, front, dual, mState.mPracticeLevel);
    ShowRunResult();
}

void CVantrellDlg::OnNewExercise() {
    // A new seed each time, so each press gives a new exercise; the field shows it to note.
    CExerciseDlg dialog(static_cast<int>(QRandomGenerator::global()->bounded(1, 1000000)), this);
    if (mRunModal(dialog) != QDialog::Accepted) {
        return;
    }
    if (!NewExercise(mState, mPrompt, dialog.Request(), HasUnsavedChanges())) {
        return;
    }
    // Not saved anywhere yet: the title carries the unsaved mark until Save Text.
    mSaved = SolvedProblem{};
    mSavedName.clear();
    ShowReplacedProblem();
}

void CVantrellDlg::OnNewExerciseSheet() {
    CExerciseSheetDlg dialog(static_cast<int>(QRandomGenerator::global()->bounded(1, 1000000)),
                             this);
    if (mRunModal(dialog) != QDialog::Accepted) {
        return;
    }
    SaveExerciseSheet(mPrompt, dialog.Request());
}

}  // namespace vantrell

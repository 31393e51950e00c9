// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's practice commands: Practice Primal and Dual, New Exercise.
#include <QLineEdit>
#include <QRandomGenerator>

#include "app/vantrell_dlg.h"
#include "commands/exercise_commands.h"
#include "commands/practice_commands.h"
#include "dialogs/exercise_dialog.h"
#include "dialogs/practice_dialog.h"

namespace vantrell {

void CVantrellDlg::OnPractice(bool dual) {
    QtPracticeFront front(this, mRunModal, mState.mDisplay.ShowsGrid());
    PracticeRun(mState, mPrompt, front, dual);  // its answers stay with the kept run
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

}  // namespace vantrell

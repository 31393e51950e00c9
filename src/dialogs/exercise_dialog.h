// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

#include "commands/sheet_commands.h"
#include "teach/exercise_generator.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vantrell {

// File > New Exercise: the kind, the size and the seed of the exercise to make.
class CExerciseDlg : public QDialog {
    Q_OBJECT

  public:
    // seed: the number the seed field starts with.
    CExerciseDlg(int seed, QWidget* parent = nullptr);
    ExerciseRequest Request() const;

  private:
    QComboBox* mKindBox = nullptr;
    QComboBox* mVarsBox = nullptr;
    QComboBox* mRowsBox = nullptr;
    QLineEdit* mSeedField = nullptr;
};

// File > New Exercise Sheet: the seed, the number of exercises, their kinds and whether the
// answer key is a file of its own.
class CExerciseSheetDlg : public QDialog {
    Q_OBJECT

  public:
    CExerciseSheetDlg(int seed, QWidget* parent = nullptr);
    SheetRequest Request() const;

  private:
    QLineEdit* mSeedField = nullptr;
    QComboBox* mCountBox = nullptr;
    std::vector<QCheckBox*> mKindBoxes;
    QCheckBox* mSeparateKeyBox = nullptr;
};

}  // namespace vantrell

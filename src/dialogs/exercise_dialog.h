// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "teach/exercise_generator.h"

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

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/exercise_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace vantrell {
namespace {

QSpinBox* SpinBox(const char* name, const char* accessibleName, int low, int high, int value,
                  QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(QString::fromUtf8(accessibleName));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

}  // namespace

CExerciseDlg::CExerciseDlg(int seed, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Exercise"));
    setObjectName("exerciseDialog");
    mKindBox = new QComboBox(this);
    mKindBox->setObjectName("kindBox");
    mKindBox->setAccessibleName(QStringLiteral("Kind"));
    for (const ExerciseKind kind : kExerciseKinds) {
        mKindBox->addItem(QString::fromUtf8(ToString(kind)));
    }
    const ExerciseRequest defaults;
    mVarsBox =
        SpinBox("varsBox", "Variables", kExerciseMinSize, kExerciseMaxSize, defaults.vars, this);
    mRowsBox =
        SpinBox("rowsBox", "Constraints", kExerciseMinSize, kExerciseMaxSize, defaults.rows, this);
    mSeedBox = SpinBox("seedBox", "Seed", 0, 999999, seed, this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Kind:"), mKindBox);
    form->addRow(QStringLiteral("&Variables:"), mVarsBox);
    form->addRow(QStringLiteral("C&onstraints:"), mRowsBox);
    form->addRow(QStringLiteral("&Seed:"), mSeedBox);
    form->addRow(buttons);
}

ExerciseRequest CExerciseDlg::Request() const {
    ExerciseRequest request;
    request.kind = kExerciseKinds[static_cast<std::size_t>(std::max(0, mKindBox->currentIndex()))];
    request.vars = mVarsBox->value();
    request.rows = mRowsBox->value();
    request.seed = static_cast<std::uint64_t>(mSeedBox->value());
    return request;
}

}  // namespace vantrell

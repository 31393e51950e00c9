// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/exercise_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <algorithm>

namespace vantrell {
namespace {

QComboBox* ChoiceBox(const char* name, const char* accessibleName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(QString::fromUtf8(accessibleName));
    return box;
}

// The sizes an exercise may have, with the default chosen.
QComboBox* SizeBox(const char* name, const char* accessibleName, int chosen, QWidget* parent) {
    QComboBox* box = ChoiceBox(name, accessibleName, parent);
    for (int size = kExerciseMinSize; size <= kExerciseMaxSize; ++size) {
        box->addItem(QString::number(size), size);
    }
    box->setCurrentIndex(chosen - kExerciseMinSize);
    return box;
}

}  // namespace

CExerciseDlg::CExerciseDlg(int seed, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Exercise"));
    setObjectName("exerciseDialog");
    mKindBox = ChoiceBox("kindBox", "Kind", this);
    for (const ExerciseKind kind : kExerciseKinds) {
        mKindBox->addItem(QString::fromUtf8(ToString(kind)));
    }
    const ExerciseRequest defaults;
    mVarsBox = SizeBox("varsBox", "Variables", defaults.vars, this);
    mRowsBox = SizeBox("rowsBox", "Constraints", defaults.rows, this);
    mSeedField = new QLineEdit(QString::number(seed), this);
    mSeedField->setObjectName("seedField");
    mSeedField->setAccessibleName(QStringLiteral("Seed"));
    mSeedField->setValidator(new QIntValidator(0, 999999999, mSeedField));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Kind:"), mKindBox);
    form->addRow(QStringLiteral("&Variables:"), mVarsBox);
    form->addRow(QStringLiteral("C&onstraints:"), mRowsBox);
    form->addRow(QStringLiteral("&Seed:"), mSeedField);
    form->addRow(buttons);
}

ExerciseRequest CExerciseDlg::Request() const {
    ExerciseRequest request;
    request.kind = kExerciseKinds[static_cast<std::size_t>(std::max(0, mKindBox->currentIndex()))];
    request.vars = mVarsBox->currentData().toInt();
    request.rows = mRowsBox->currentData().toInt();
    request.seed = mSeedField->text().toULongLong();
    return request;
}

}  // namespace vantrell

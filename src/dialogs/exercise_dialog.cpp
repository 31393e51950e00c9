// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/exercise_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
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

CExerciseSheetDlg::CExerciseSheetDlg(int seed, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Exercise Sheet"));
    setObjectName("exerciseSheetDialog");
    mSeedField = new QLineEdit(QString::number(seed), this);
    mSeedField->setObjectName("sheetSeedField");
    mSeedField->setAccessibleName(QStringLiteral("Seed"));
    mSeedField->setValidator(new QIntValidator(0, 999999999, mSeedField));
    mCountBox = ChoiceBox("countBox", "Exercises", this);
    for (int count = 1; count <= kSheetMaxCount; ++count) {
        mCountBox->addItem(QString::number(count), count);
    }
    mCountBox->setCurrentIndex(SheetRequest{}.count - 1);
    auto* kinds = new QHBoxLayout;
    for (const ExerciseKind kind : kExerciseKinds) {
        auto* box = new QCheckBox(QString::fromUtf8(ToString(kind)), this);
        box->setObjectName(QStringLiteral("kind_") + QString::fromUtf8(ToString(kind)));
        box->setAccessibleName(QStringLiteral("Kind ") + QString::fromUtf8(ToString(kind)));
        box->setChecked(true);
        kinds->addWidget(box);
        mKindBoxes.push_back(box);
    }
    mSeparateKeyBox = new QCheckBox(QStringLiteral("Answer &key as a file of its own"), this);
    mSeparateKeyBox->setObjectName("separateKeyBox");
    mSeparateKeyBox->setAccessibleName(QStringLiteral("Answer key as a file of its own"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Seed:"), mSeedField);
    form->addRow(QStringLiteral("&Exercises:"), mCountBox);
    form->addRow(QStringLiteral("Kinds:"), kinds);
    form->addRow(mSeparateKeyBox);
    form->addRow(buttons);
}

SheetRequest CExerciseSheetDlg::Request() const {
    SheetRequest request;
    request.seed = mSeedField->text().toULongLong();
    request.count = mCountBox->currentData().toInt();
    for (std::size_t k = 0; k < mKindBoxes.size(); ++k) {
        if (mKindBoxes[k]->isChecked()) {
            request.kinds.push_back(kExerciseKinds[k]);
        }
    }
    request.separateKey = mSeparateKeyBox->isChecked();
    return request;
}

}  // namespace vantrell

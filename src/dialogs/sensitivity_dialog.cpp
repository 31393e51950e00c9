// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/sensitivity_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/ui_fonts.h"

namespace vantrell {

CSensitivityDlg::CSensitivityDlg(const CurrentSensitivity& current, const NoteNumbers& numbers,
                                 QWidget* parent, const std::vector<std::string>& duality,
                                 WhatIfFunction whatIf)
    : QDialog(parent), mWhatIf(std::move(whatIf)) {
    setWindowTitle(QStringLiteral("Sensitivity"));
    auto* layout = new QVBoxLayout(this);
    const QString run = current.dual ? QStringLiteral("Dual") : QStringLiteral("Primal");
    auto* heading = new QLabel(run + QStringLiteral(" run, read off its final tableau"), this);
    layout->addWidget(heading);

    auto* constraintsLabel = new QLabel(QStringLiteral("&Constraints"), this);
    QTableWidget* constraints =
        AddTable(ConstraintTable(current.sensitivity, numbers), QStringLiteral("Constraints"));
    constraintsLabel->setBuddy(constraints);
    layout->addWidget(constraintsLabel);
    layout->addWidget(constraints, 1);

    auto* variablesLabel = new QLabel(QStringLiteral("&Variables"), this);
    QTableWidget* variables =
        AddTable(VariableTable(current.sensitivity, numbers), QStringLiteral("Variables"));
    variablesLabel->setBuddy(variables);
    layout->addWidget(variablesLabel);
    layout->addWidget(variables, 1);

    if (current.sensitivity.degenerate) {
        auto* note = new QLabel(
            QStringLiteral("The optimum is degenerate: the ranges belong to this basis."), this);
        note->setObjectName(QStringLiteral("degenerateNote"));
        layout->addWidget(note);
    }
    if (!duality.empty()) {
        auto* dualityLabel = new QLabel(QStringLiteral("&Duality"), this);
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("dualityList"));
        list->setAccessibleName(QStringLiteral("Duality"));
        for (const std::string& line : duality) {
            list->addItem(QString::fromStdString(line));
        }
        dualityLabel->setBuddy(list);
        layout->addWidget(dualityLabel);
        layout->addWidget(list, 1);
    }
    if (mWhatIf) {
        auto* label = new QLabel(QStringLiteral("&What if (rhs C1=20; cost X1=4; row R4: 1X1 + "
                                                "2X2 <= 8)"),
                                 this);
        mWhatIfField = new QLineEdit(this);
        mWhatIfField->setObjectName(QStringLiteral("whatIfField"));
        mWhatIfField->setAccessibleName(QStringLiteral("What if"));
        // Enter applies the change; the dialog's default button would close the window.
        mWhatIfField->installEventFilter(this);
        label->setBuddy(mWhatIfField);
        auto* apply = new QPushButton(QStringLiteral("&Apply"), this);
        apply->setObjectName(QStringLiteral("applyButton"));
        apply->setAutoDefault(false);
        connect(apply, &QPushButton::clicked, this, &CSensitivityDlg::ApplyWhatIf);
        mWhatIfList = new QListWidget(this);
        mWhatIfList->setObjectName(QStringLiteral("whatIfList"));
        mWhatIfList->setAccessibleName(QStringLiteral("What if result"));
        // The tableau pages line up their columns only in a fixed-pitch font.
        mWhatIfList->setFont(FixedDialogFont());
        auto* row = new QHBoxLayout;
        row->addWidget(mWhatIfField, 1);
        row->addWidget(apply);
        layout->addWidget(label);
        layout->addLayout(row);
        layout->addWidget(mWhatIfList, 1);
    }
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(560, 420);
}

bool CSensitivityDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mWhatIfField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ApplyWhatIf();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CSensitivityDlg::ApplyWhatIf() {
    mWhatIfList->clear();
    for (const std::string& line : mWhatIf(mWhatIfField->text().toStdString())) {
        mWhatIfList->addItem(QString::fromStdString(line));
    }
}

QTableWidget* CSensitivityDlg::AddTable(const SensitivityTable& table, const QString& name) {
    const int rows = static_cast<int>(table.size()) - 1;
    const int columns = table.empty() ? 0 : static_cast<int>(table.front().size());
    auto* widget = new QTableWidget(rows, columns, this);
    widget->setObjectName(name.toLower() + QStringLiteral("Table"));
    widget->setAccessibleName(name);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->verticalHeader()->hide();
    widget->horizontalHeader()->setStretchLastSection(true);
    for (int k = 0; k < columns; ++k) {
        widget->setHorizontalHeaderItem(k, new QTableWidgetItem(QString::fromStdString(
                                               table.front()[static_cast<std::size_t>(k)])));
    }
    for (int r = 0; r < rows; ++r) {
        const auto& line = table[static_cast<std::size_t>(r) + 1];
        for (int k = 0; k < columns; ++k) {
            widget->setItem(
                r, k,
                new QTableWidgetItem(QString::fromStdString(line[static_cast<std::size_t>(k)])));
        }
    }
    widget->resizeColumnsToContents();
    return widget;
}

}  // namespace vantrell

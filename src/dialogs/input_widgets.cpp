// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/input_widgets.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace vantrell {

QComboBox* MakeItemBox(const std::vector<std::string>& items, const QString& objectName,
                       QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(static_cast<int>(items.size()));
    for (const std::string& item : items) {
        box->addItem(QString::fromStdString(item));
    }
    // The box would otherwise turn typed text that matches an item into a pick when the
    // focus leaves it, announcing it as a user's choice.
    QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
    return box;
}

QPushButton* MakePressButton(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit* MakeShownField(const QString& objectName, bool enabled, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setReadOnly(true);
    field->setEnabled(enabled);
    return field;
}

QLineEdit* MakeReadOnlyField(const char* name, const char* accessibleName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(QString::fromUtf8(accessibleName));
    field->setReadOnly(true);
    return field;
}

QLineEdit* MakeInputField(const QString& objectName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    return field;
}

void SelectItem(QComboBox* box, int item) {
    const int index = item >= 0 && item < box->count() ? item : -1;
    box->setCurrentIndex(index);
    // Typed text stays while the index does not change; the box must show the item.
    box->setEditText(index >= 0 ? box->itemText(index) : QString());
}

std::string TextOf(const QLineEdit* field) {
    return field->text().toStdString();
}

std::string TextOf(const QComboBox* box) {
    return box->currentText().toStdString();
}

void SetText(QLineEdit* field, const std::string& text) {
    field->setText(QString::fromStdString(text));
}

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

void NameForScreenReaders(QWidget* widget, const QString& name) {
    widget->setAccessibleName(name);
    if (auto* box = qobject_cast<QComboBox*>(widget);
        box != nullptr && box->lineEdit() != nullptr) {
        box->lineEdit()->setAccessibleName(name);
    }
}

}  // namespace vantrell

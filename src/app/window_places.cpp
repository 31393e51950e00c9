// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_places.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

#include "dialogs/ui_fonts.h"

namespace vantrell {
namespace {

// The program's own windows are named "...Dialog"; Qt's start with "Q" or are unnamed.
bool IsProgramWindow(const QWidget* widget) {
    const QString name = widget->objectName();
    return widget->isWindow() && name.endsWith(QLatin1String("Dialog")) &&
           !name.startsWith(QLatin1Char('Q'));
}

QString Key(const QWidget* widget) {
    return QStringLiteral("windows/") + widget->objectName();
}

}  // namespace

WindowPlaces::WindowPlaces(QSettings& settings, QObject* parent)
    : QObject(parent), mSettings(settings) {}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide) {
        return QObject::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !IsProgramWindow(widget)) {
        return QObject::eventFilter(watched, event);
    }
    if (type == QEvent::Show && !mRestored.contains(widget)) {
        mRestored.insert(widget);
        connect(widget, &QObject::destroyed, this,
                [this](QObject* gone) { mRestored.remove(gone); });
        // A damaged value is refused by restoreGeometry, and the window keeps Qt's place.
        // A window sized to what it shows (a tableau page) takes back its place and any
        // larger size, never a smaller one: an old narrow size would hide columns.
        const QSize fitted = widget->size();
        widget->restoreGeometry(mSettings.value(Key(widget)).toByteArray());
        if (widget->property(kSizedToContent).toBool()) {
            widget->resize(widget->size().expandedTo(fitted));
        }
    } else if (type == QEvent::Hide) {
        mSettings.setValue(Key(widget), widget->saveGeometry());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vantrell

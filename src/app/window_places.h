// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>

class QSettings;

namespace vantrell {

// Keeps the size and place of every program window in the settings: a window takes its
// kept geometry when it is first shown and gives it back each time it is hidden. Windows
// are told apart by their object names ("graphDialog"); message boxes and file dialogs
// are left to Qt. A window with the kSizedToContent property set to true keeps at least
// the size it gave itself for its content.
class WindowPlaces : public QObject {
    Q_OBJECT

  public:
    explicit WindowPlaces(QSettings& settings, QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSettings& mSettings;
    QSet<QObject*> mRestored;
};

}  // namespace vantrell

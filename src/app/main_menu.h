// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>

#include "app/main_command.h"

class QAction;
class QMenuBar;
class QWidget;

namespace vantrell {

// Builds the main window's menu bar. Each item runs its command through run; the key
// hints are shown beside the captions, the keys themselves are the main window's.
QMenuBar* BuildMainMenu(QWidget* parent, const std::function<void(MainCommand)>& run,
                        std::map<MainCommand, QAction*>& actions);

}  // namespace vantrell

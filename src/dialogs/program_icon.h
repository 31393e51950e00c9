// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace vantrell {

// The program's icon, for the main window, the About box and any other window that
// shows it. Works from every executable that links the dialogs library.
QIcon ProgramIcon();

}  // namespace vantrell

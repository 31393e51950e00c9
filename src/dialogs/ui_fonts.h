// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace vantrell {

// The fixed-pitch font of the main window, the tableau and the options: the system's
// fixed font at 9 points, so generated lines align character by character.
QFont FixedDialogFont();

}  // namespace vantrell

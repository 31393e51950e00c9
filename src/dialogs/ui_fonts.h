// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace vantrell {

// The fixed-pitch font of the main window, the tableau and the options: the system's
// fixed font at 9 points, so generated lines align character by character.
QFont FixedDialogFont();

// The property a window sets to true when it sizes itself to what it shows: a kept place
// may move it or make it larger, never smaller.
inline constexpr const char* kSizedToContent = "sizedToContent";

}  // namespace vantrell

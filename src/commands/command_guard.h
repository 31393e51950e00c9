// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "model/prompt.h"

namespace vantrell {

inline constexpr const char* kOutOfMemoryMessage =
    "There is not enough memory for this command. It was stopped; the problem is kept";

// Runs one command. Running out of memory inside it becomes the message above instead of
// ending the program with the user's work. True when the command ran to its end.
bool RunGuarded(Prompt& prompt, const std::function<void()>& command);

}  // namespace vantrell

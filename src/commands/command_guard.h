// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "model/prompt.h"

namespace vantrell {

inline constexpr const char* kOutOfMemoryMessage =
    "There is not enough memory for this command. It was stopped; the problem is kept";

// The start of the message for any other failure inside a command; the failure's own words
// follow.
inline constexpr const char* kCommandFailedMessage =
    "This command failed and was stopped; the problem is kept: ";

// How a guarded command ended.
enum class GuardedEnd { Completed, OutOfMemory, Failed };

// Runs one command. Running out of memory, or any other exception, inside it becomes one of
// the messages above instead of ending the program with the user's work.
GuardedEnd RunGuarded(Prompt& prompt, const std::function<void()>& command);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/command_guard.h"

#include <new>

namespace vantrell {

bool RunGuarded(Prompt& prompt, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::bad_alloc&) {
        // The failed allocation has been given back by now, so a message box fits.
        prompt.ShowMessage(kOutOfMemoryMessage);
        return false;
    }
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/command_guard.h"

#include <exception>
#include <new>
#include <string>

namespace vantrell {

GuardedEnd RunGuarded(Prompt& prompt, const std::function<void()>& command) {
    try {
        command();
        return GuardedEnd::Completed;
    } catch (const std::bad_alloc&) {
        // The failed allocation has been given back by now, so a message box fits.
        prompt.ShowMessage(kOutOfMemoryMessage);
        return GuardedEnd::OutOfMemory;
    } catch (const std::exception& failure) {
        // A fault of ours must not cost the user the open problem, nor end a batch run
        // with an abort and no word.
        prompt.ShowMessage(std::string(kCommandFailedMessage) + failure.what());
    } catch (...) {
        prompt.ShowMessage(std::string(kCommandFailedMessage) + "an unknown failure");
    }
    return GuardedEnd::Failed;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/command_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

// No exception leaves a command: each becomes a message and says how the command ended.
TEST(RunGuarded, EveryExceptionBecomesAMessage) {
    struct Row {
        const char* name;
        std::function<void()> command;
        GuardedEnd end;
        std::string message;
    };
    const Row rows[] = {
        {"completes", [] {}, GuardedEnd::Completed, ""},
        {"out of memory", [] { throw std::bad_alloc(); }, GuardedEnd::OutOfMemory,
         kOutOfMemoryMessage},
        {"standard exception", [] { throw std::runtime_error("type_error.316"); },
         GuardedEnd::Failed, std::string(kCommandFailedMessage) + "type_error.316"},
        {"anything else", [] { throw 42; }, GuardedEnd::Failed,
         std::string(kCommandFailedMessage) + "an unknown failure"},
    };
    for (const Row& row : rows) {
        testing::ScriptedPrompt prompt;
        EXPECT_EQ(RunGuarded(prompt, row.command), row.end) << row.name;
        EXPECT_EQ(prompt.messages, row.message.empty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{row.message})
            << row.name;
    }
}

}  // namespace
}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <utility>

#include "commands/file_commands.h"
#include "model/problem_file_reader.h"
#include "model/vantrell_state.h"

namespace vantrell {

// Opens problem text as the Open command does; false when the reader refuses it.
inline bool OpenProblemText(std::string_view text, VantrellState& state) {
    ProblemFileReading reading = ReadProblemText(text);
    if (!reading.file) {
        return false;
    }
    ApplyProblemFile(state, std::move(*reading.file), "fuzz.lp");
    return true;
}

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
// Runs whatever the problem-file reader accepts through both runs and the JSON answer,
// and checks that the document is always written and reads back as valid UTF-8 JSON.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "export/json_answer.h"
#include "fuzz_check.h"
#include "model/problem_file_reader.h"
#include "model/prompt.h"
#include "open_problem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrell;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    VantrellState state;
    if (!OpenProblemText(content, state)) {
        return 0;
    }
    SilentPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    CalculateDual(state, prompt, presenter);
    // The messages may hold any bytes a name holds.
    const RunMessages messages{state.mProblemName, std::string(content.substr(0, 64))};
    std::string text;
    try {
        text = SolveAnswer(state, messages).dump(2);
    } catch (const nlohmann::json::exception&) {
        FUZZ_CHECK(!"the JSON writer refused the answer");
    }
    const auto parsed = nlohmann::ordered_json::parse(text, nullptr, false);
    FUZZ_CHECK(!parsed.is_discarded());
    FUZZ_CHECK(parsed["problem"]["constraints"].size() == state.mPrimal.constraints.size());
    return 0;
}

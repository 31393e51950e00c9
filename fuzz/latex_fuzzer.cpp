// SPDX-License-Identifier: GPL-3.0-or-later
// Runs whatever the problem-file reader accepts through the primal and the dual run and
// writes each as a LaTeX document; checks that no name can break out of its text: no
// control character is left, and the braces outside escapes balance. tools/fuzz.sh
// compiles a sample of the corpus's documents with pdflatex.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "export/latex_document.h"
#include "fuzz_check.h"
#include "model/problem_file_reader.h"
#include "model/prompt.h"
#include "open_problem.h"

namespace vantrell {
namespace {

void CheckDocument(const std::string& document) {
    FUZZ_CHECK(document.starts_with("\\documentclass"));
    FUZZ_CHECK(document.ends_with("\\end{document}\n"));
    long depth = 0;
    for (std::size_t i = 0; i < document.size(); ++i) {
        const auto c = static_cast<unsigned char>(document[i]);
        FUZZ_CHECK(c >= 0x20 || c == '\n');
        FUZZ_CHECK(c != 0x7F);
        if (c == '\\') {
            ++i;  // an escaped character, or the first of a command's letters
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
            FUZZ_CHECK(depth >= 0);
        }
    }
    FUZZ_CHECK(depth == 0);
}

}  // namespace
}  // namespace vantrell

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
    if (state.mPrimalTableauCount > 0) {
        CheckDocument(BuildLatexDocument(state, false));
    }
    CalculateDual(state, prompt, presenter);
    if (state.mDualTableauCount > 0) {
        CheckDocument(BuildLatexDocument(state, true));
    }
    return 0;
}

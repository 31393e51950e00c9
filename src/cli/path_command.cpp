// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/path_command.h"

#include "cli/cli_app.h"
#include "commands/calculate_commands.h"
#include "plot/simplex_path.h"

namespace vantrell::cli {

int PrintPath(VantrellState& state, bool dual, std::ostream& out, Prompt& prompt) {
    SilentPresenter presenter;
    dual ? CalculateDual(state, prompt, presenter) : CalculatePrimal(state, prompt, presenter);
    if (KeptRun(state, dual).count <= 0) {
        return kExitRefused;  // refused before its first page; the message says why
    }
    const auto path = KeptRunPath(state, dual);
    if (!path) {
        prompt.ShowMessage(kPathNeedsTwoVariablesText);
        return kExitRefused;
    }
    for (const std::string& line : PathLines(*path)) {
        out << line << '\n';
    }
    return kExitSuccess;
}

}  // namespace vantrell::cli

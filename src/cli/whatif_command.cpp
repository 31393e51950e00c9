// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/whatif_command.h"

#include <iomanip>

#include "cli/cli_app.h"
#include "cli/command_parts.h"
#include "cli/stream_prompt.h"
#include "commands/file_commands.h"
#include "export/json_what_if.h"
#include "model/number_text.h"
#include "teach/exact_page_text.h"
#include "teach/run_story.h"
#include "teach/what_if_text.h"

namespace vantrell::cli {

std::optional<WhatIfChange> ParseWhatIfChange(const std::string& flag, const std::string& value,
                                              std::string& error) {
    const WhatIfChange::Kind kind = flag == "--add-row" ? WhatIfChange::Kind::Row
                                    : flag == "--rhs"   ? WhatIfChange::Kind::Rhs
                                                        : WhatIfChange::Kind::Cost;
    return vantrell::ParseWhatIfChange(kind, flag, value, error);
}

int RunWhatIfCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    VantrellState state;
    if (!OpenProblemFile(state, options, err)) {
        return kExitUsageOrUnreadable;
    }
    StreamPrompt prompt(err, options.problemFile, std::nullopt);
    const NoteNumbers numbers = options.json
                                    ? NoteNumbers{{NumberStyle::Fractions, BigMStyle::Expressions},
                                                  state.mDecimalPlaces,
                                                  true}
                                    : NoteNumbersOf(state);
    const WhatIfAnswer answer =
        WhatIf(state.mPrimal, state.mMinimize, options.rule.value_or(PivotRule::LargestCjZj),
               options.changes, numbers);
    if (answer.error) {
        prompt.ShowMessage(*answer.error);
        return kExitRefused;
    }
    if (options.json) {
        out << std::setw(2) << WhatIfJson(answer, options.changes, numbers) << '\n';
        return kExitSuccess;
    }
    out << "What if:\n";
    for (const std::string& line : answer.check) {
        out << "    " << line << '\n';
    }
    // An unbounded run ends with the tableau that decides it.
    std::vector<ExactPage> pages = answer.run.pages;
    if (answer.run.unboundedEnd) {
        pages.push_back(*answer.run.unboundedEnd);
    }
    for (std::size_t p = 0; p < pages.size(); ++p) {
        out << "\nTableau #" << p + 1 << "\n\n";
        for (const std::string& line :
             ExactTableauPage(pages[p], state.mDisplay, state.mDecimalPlaces).Lines()) {
            out << line << '\n';
        }
        if (p < answer.notes.size()) {
            out << "\nStep: " << answer.notes[p] << '\n';
        }
    }
    out << '\n';
    if (!answer.run.certified) {
        out << "The answer failed its proof check: " << answer.run.proofFault << '\n';
        return kExitFailed;
    }
    if (const auto optimum = StatedOptimumLine(answer.run, numbers)) {
        out << *optimum << '\n';
        for (const auto& [name, value] : VariableValues(answer.run)) {
            out << "    " << name << " = " << numbers.Text(value) << '\n';
        }
    } else if (answer.run.outcome == RunOutcome::Infeasible) {
        out << "The changed problem has no feasible solution\n";
    } else if (const auto unbounded = UnboundedLine(answer.run)) {
        out << *unbounded << '\n';
    }
    return kExitSuccess;
}

}  // namespace vantrell::cli

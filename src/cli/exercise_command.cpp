// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exercise_command.h"

#include <limits>
#include <optional>

#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "model/file_io.h"
#include "model/number_text.h"
#include "teach/exercise_generator.h"

namespace vantrell::cli {
namespace {

struct ExerciseOptions {
    ExerciseRequest request;
    bool seedGiven = false;
    bool kindGiven = false;
    std::string outputFile;
};

std::optional<ExerciseOptions> ParseExerciseOptions(const std::vector<std::string>& args,
                                                    std::string& error) {
    ExerciseOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg != "--seed" && arg != "--kind" && arg != "--vars" && arg != "--rows" &&
            arg != "-o") {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (arg == "-o") {
            options.outputFile = value;
        } else if (arg == "--kind") {
            const auto kind = ParseExerciseKind(value);
            if (!kind) {
                error =
                    "--kind needs max, min, mixed, degenerate, alternative, unbounded or "
                    "infeasible";
                return std::nullopt;
            }
            options.request.kind = *kind;
            options.kindGiven = true;
        } else if (arg == "--seed") {
            const auto seed = ReadSeed(value, error);
            if (!seed) {
                return std::nullopt;
            }
            options.request.seed = *seed;
            options.seedGiven = true;
        } else {
            const auto size = WholeNumber(value);
            if (!size || *size < kExerciseMinSize || *size > kExerciseMaxSize) {
                error = arg + " needs a whole number from 2 to 4";
                return std::nullopt;
            }
            (arg == "--vars" ? options.request.vars : options.request.rows) =
                static_cast<int>(*size);
        }
    }
    if (!options.seedGiven || !options.kindGiven || options.outputFile.empty()) {
        error = "exercise needs --seed, --kind and -o";
        return std::nullopt;
    }
    return options;
}

}  // namespace

std::optional<std::uint64_t> ReadSeed(const std::string& value, std::string& error) {
    // WholeNumber reads no more than an int holds.
    const auto seed = WholeNumber(value);
    if (!seed || *seed < 0) {
        error = "--seed needs a whole number from 0 to " +
                std::to_string(std::numeric_limits<int>::max());
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(*seed);
}

int RunExerciseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsageText;
        return kExitSuccess;
    }
    std::string error;
    const auto options = ParseExerciseOptions(args, error);
    if (!options) {
        err << "vantrell-cli: " << error << "\n\n" << kUsageText;
        return kExitUsageOrUnreadable;
    }
    const ExerciseResult exercise = MakeExercise(options->request);
    if (!exercise.file) {
        err << exercise.error << '\n';
        return kExitRefused;
    }
    if (const auto failure =
            WriteTextFileAtomically(options->outputFile, ExerciseFileText(*exercise.file))) {
        err << *failure << '\n';
        return kExitCannotWrite;
    }
    return kExitSuccess;
}

}  // namespace vantrell::cli

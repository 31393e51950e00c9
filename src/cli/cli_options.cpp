// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include "cli/explain_options.h"
#include "cli/whatif_command.h"
#include "model/number_text.h"

namespace vantrell::cli {

const char* const kUsageText =
    "Usage:\n"
    "  vantrell-cli report FILE.lp [-o OUT.out] [--xlsx OUT.xlsx] [--decimals N]\n"
    "                   [--numbers fractions|decimals] [--big-m pairs|expressions]\n"
    "                   [--explain] [--rule largest|bland] [--method METHOD]\n"
    "  vantrell-cli pages FILE.lp [--dual] [--decimals N] [--numbers ...] [--big-m ...]\n"
    "                   [--method METHOD]\n"
    "  vantrell-cli latex FILE.lp [--dual] [-o OUT.tex] [--numbers ...] [--big-m ...]\n"
    "                   [--explain] [--method METHOD]\n"
    "  vantrell-cli solve FILE.lp --json [--method METHOD]\n"
    "  vantrell-cli whatif FILE.lp [--rhs NAME=VALUE] [--cost VAR=VALUE]\n"
    "                   [--add-row \"NAME: 1X1 + 2X2 <= 8\"] [--json]\n"
    "  vantrell-cli plot FILE.lp [--decimals N]\n"
    "  vantrell-cli practice FILE.lp [--dual] [--decimals N] [--numbers ...] [--big-m ...]\n"
    "                   [--rule largest|bland] [--level choices|operations|tableau]\n"
    "                   [--method METHOD]\n"
    "  vantrell-cli exercise --seed N --kind KIND [--vars 2..4] [--rows 2..4] -o FILE.lp\n"
    "  vantrell-cli sheet --seed N --count K [--kinds KIND,...] -o SHEET.pdf|.tex\n"
    "                   [--key KEY.pdf|.tex]\n"
    "  vantrell-cli convert IN OUT --from vantrell|cplex|mps --to vantrell|cplex|mps\n"
    "  vantrell-cli plot FILE.lp --path [--dual] [--method METHOD]\n"
    "  vantrell-cli --help\n"
    "  vantrell-cli --version\n"
    "\n"
    "report  reads the problem file as the program's Open command does, solves the\n"
    "        primal and then the dual, stepping through every tableau, and prints the\n"
    "        solution report as Export Solution writes it. With -o the report is\n"
    "        written to OUT.out (CR LF line ends) instead. With --xlsx the tableaus\n"
    "        of the last run, which is the dual, are also written to the workbook\n"
    "        OUT.xlsx as Save Excel writes them: one row per tableau line from\n"
    "        column B, an empty row between tableaus, every cell as text.\n"
    "pages   prints every tableau of the primal run (of the dual run with --dual),\n"
    "        a blank line between tableaus, then the Complete Solution lines.\n"
    "plot    for a problem in X1 and X2, prints what the 2D Plot window shows: the\n"
    "        title, the Feasible Points lines, the extent and the slope, then the line\n"
    "        where Play stops the objective line and after how many steps, or\n"
    "        \"No sweep: \" and why it cannot run. With --path it prints instead the\n"
    "        point of every page of the primal run (of the dual run with --dual) in\n"
    "        exact numbers, one line per page, with the entering and leaving variable.\n"
    "latex   writes the tableaus of the primal run (of the dual run with --dual) as\n"
    "        a LaTeX document for pdflatex, to standard output or to OUT.tex.\n"
    "solve   with --json prints one JSON document: the problem, then the primal and\n"
    "        the dual run with outcome, message, exact optimum, variable values and\n"
    "        every page in exact numbers (\"p/q\", {\"m\": ..., \"c\": ...} with M).\n"
    "        The document is UTF-8: bytes of names that are not UTF-8 are read as\n"
    "        Latin-1.\n"
    "whatif  solves the primal, makes the changes to its final tableau and shows\n"
    "        whether the final basis stays feasible and optimal (each change against\n"
    "        its range, the new Bi as B^-1 b, the new Cj-Zj), then every page from\n"
    "        there to the new answer: the dual simplex method while a Bi is negative,\n"
    "        the primal simplex method while a Cj-Zj is positive. Each flag may be\n"
    "        given more than once. With --json one document, its run as solve\n"
    "        --json writes a run.\n"
    "practice  asks for every pivot of the primal run (of the dual with --dual): the\n"
    "        entering column's name, then the leaving row's name, or optimal,\n"
    "        unbounded, infeasible, or show to be shown the step; one answer a line\n"
    "        from standard input. Wrong answers are explained; the end of the input\n"
    "        ends the practice (\"This practice is unfinished\" says so). Last line\n"
    "        at the default level: \"Right at the first try: K of N\".\n"
    "        --level operations then asks for each pivot's row operations: the\n"
    "        divisor of the pivot row, then the multiple of the new pivot row to\n"
    "        subtract from each other row; --level tableau for the next tableau,\n"
    "        one row a line (the pivot row, the other rows, Zj, Cj-Zj), its cells\n"
    "        separated by blanks or commas (3/2, 1.5, 1 1/2, 2M - 3/2, (2, -1.5M));\n"
    "        show fills in the row asked. The summary then counts choices and\n"
    "        cells apart and names the most common mistake.\n"
    "exercise  writes a problem of small whole numbers to FILE.lp whose run takes 2\n"
    "        to 4 pivots with denominators of at most 12. KIND is max, min, mixed,\n"
    "        degenerate, alternative, unbounded or infeasible; the same seed (0 to\n"
    "        2147483647) gives the same file. Default size: 2 variables, 3\n"
    "        constraints.\n"
    "sheet   writes K exercises (1 to 20) made from seeds N, N+1, ..., one a section\n"
    "        with blank tableaus to fill in, and the answer key (every tableau, the\n"
    "        answer, the special cases) at the end, or to KEY with --key. KIND is\n"
    "        as for exercise; the kinds are taken in turn (all of them by default).\n"
    "        A .pdf is compiled with pdflatex. The same options give the same sheet.\n"
    "convert reads IN in one format and writes it to OUT in another: the program's\n"
    "        own problem file, CPLEX LP or free MPS (read and written by GLPK).\n"
    "        An imported model's variables become X1..Xn in the model's order.\n"
    "        Constraint names a format cannot hold, or that another name or GLPK's\n"
    "        name of the objective takes, are changed, and the changes are listed.\n"
    "        A maximization is written to free MPS as the minimization of -Z, with\n"
    "        a comment line saying so: glpsol --freemps reads that minimization, and\n"
    "        convert reads it back as the maximization. The program's own file gets\n"
    "        the least decimal count that keeps every number, or is refused.\n"
    "--decimals N  shows every number with N decimal places instead of the file's\n"
    "        count (0 to 10).\n"
    "--numbers fractions|decimals  numbers as exact fractions (3/2) or as decimals.\n"
    "--big-m pairs|expressions  big-M values as \"(a, bM)\" or as \"2M - 3/2\".\n"
    "--explain  (report) adds each tableau's note, with the row operations that\n"
    "        made it, the special cases, the sensitivity of each optimal run and the\n"
    "        dual read off the primal's final tableau; (latex) the row operations\n"
    "        under each tableau.\n"
    "--rule largest|bland  the pivot rule of report, pages, solve, latex, practice and\n"
    "        whatif: the largest Cj-Zj (the default) or the smallest index (Bland's\n"
    "        rule).\n"
    "--method big-m|two-phase|dual-simplex  how report, pages, solve, latex,\n"
    "        practice and plot --path solve: big M (the default); two-phase (Phase I drives the\n"
    "        artificial variables to 0, Phase II optimizes from there); or the dual\n"
    "        simplex method, for a first tableau with no positive Cj-Zj, every row\n"
    "        with a slack (a >= row times -1). The last two run in exact numbers.\n"
    "\n"
    "Messages the program would show in a box go to standard error.\n"
    "Exit status:\n"
    "  0  success, also when a run ends infeasible or unbounded: that is an answer\n"
    "  1  a requested run was refused or its numbers were too large to solve (solve\n"
    "     and latex still print what there is), the report is refused because no run\n"
    "     reached a solution, the plot was refused, or an exercise cannot be made\n"
    "  2  a usage error, or a problem file that cannot be read or is refused\n"
    "  3  an output cannot be written: also one that names the problem file or\n"
    "     another output of the command, a file that may not be written, or a LaTeX\n"
    "     document with a name pdflatex cannot print (beyond accented letters and\n"
    "     Greek)\n"
    "  4  there was not enough memory\n"
    "  5  the command failed on a fault of the program; the message says what\n"
    "  6  a part of the program that the command loads is missing or broken\n"
    "     (lib/vantrell beside bin: the workbook for --xlsx, GLPK for convert)\n";

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    CliOptions options;
    if (args.empty()) {
        error = "a command is needed";
        return std::nullopt;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        return options;
    }
    if (command == "--version") {
        options.command = CliCommand::Version;
        return options;
    }
    if (command == "report") {
        options.command = CliCommand::Report;
    } else if (command == "pages") {
        options.command = CliCommand::Pages;
    } else if (command == "plot") {
        options.command = CliCommand::Plot;
    } else if (command == "solve") {
        options.command = CliCommand::Solve;
    } else if (command == "latex") {
        options.command = CliCommand::Latex;
    } else if (command == "whatif") {
        options.command = CliCommand::WhatIf;
    } else if (command == "practice") {
        options.command = CliCommand::Practice;
    } else if (command == "exercise" || command == "sheet") {
        options.command = command == "exercise" ? CliCommand::Exercise : CliCommand::Sheet;
        options.commandArgs.assign(args.begin() + 1, args.end());
        return options;
    } else {
        error = "unknown command \"" + command + "\"";
        return std::nullopt;
    }

    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            options.command = CliCommand::Help;
            return options;
        }
        const bool showsPages =
            options.command == CliCommand::Report || options.command == CliCommand::Pages ||
            options.command == CliCommand::Latex || options.command == CliCommand::Practice ||
            options.command == CliCommand::WhatIf;
        if (const OptionParse taken = ParseExplainOption(options, args, i, error);
            taken != OptionParse::NotMine) {
            if (taken == OptionParse::Failed) {
                return std::nullopt;
            }
        } else if (arg == "-o" && (options.command == CliCommand::Report ||
                                   options.command == CliCommand::Latex)) {
            if (!hasValue) {
                error = "-o needs a file name";
                return std::nullopt;
            }
            options.reportFile = args[++i];
        } else if (arg == "--xlsx" && options.command == CliCommand::Report) {
            if (!hasValue) {
                error = "--xlsx needs a file name";
                return std::nullopt;
            }
            options.workbookFile = args[++i];
        } else if (arg == "--dual" &&
                   (options.command == CliCommand::Pages || options.command == CliCommand::Latex ||
                    options.command == CliCommand::Practice ||
                    options.command == CliCommand::Plot)) {
            options.dual = true;
        } else if (arg == "--level" && options.command == CliCommand::Practice) {
            const std::string value = hasValue ? args[++i] : std::string();
            if (value == "choices") {
                options.level = PracticeLevel::Choices;
            } else if (value == "operations") {
                options.level = PracticeLevel::Operations;
            } else if (value == "tableau") {
                options.level = PracticeLevel::Tableau;
            } else {
                error = "--level needs choices, operations or tableau";
                return std::nullopt;
            }
        } else if (arg == "--path" && options.command == CliCommand::Plot) {
            options.path = true;
        } else if (arg == "--json" && (options.command == CliCommand::Solve ||
                                       options.command == CliCommand::WhatIf)) {
            options.json = true;
        } else if ((arg == "--rhs" || arg == "--cost" || arg == "--add-row") &&
                   options.command == CliCommand::WhatIf) {
            if (!hasValue) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            auto change = ParseWhatIfChange(arg, args[++i], error);
            if (!change) {
                return std::nullopt;
            }
            options.changes.push_back(std::move(*change));
        } else if ((arg == "--numbers" || arg == "--big-m") && showsPages) {
            const std::string value = hasValue ? args[++i] : std::string();
            DisplayOptions display = options.display.value_or(DisplayOptions{});
            if (arg == "--numbers" && (value == "fractions" || value == "decimals")) {
                display.numbers =
                    value == "fractions" ? NumberStyle::Fractions : NumberStyle::Decimals;
            } else if (arg == "--big-m" && (value == "pairs" || value == "expressions")) {
                display.bigM = value == "pairs" ? BigMStyle::Pairs : BigMStyle::Expressions;
            } else {
                error = arg == "--numbers" ? "--numbers needs fractions or decimals"
                                           : "--big-m needs pairs or expressions";
                return std::nullopt;
            }
            options.display = display;
        } else if (arg == "--decimals") {
            const auto parsed = hasValue ? ParseIntegerPrefix(args[i + 1]) : std::nullopt;
            if (!parsed || parsed->length != args[i + 1].size() ||
                parsed->value < kMinDecimalPlaces || parsed->value > kMaxDecimalPlaces) {
                error = "--decimals needs a whole number from " +
                        std::to_string(kMinDecimalPlaces) + " to " +
                        std::to_string(kMaxDecimalPlaces);
                return std::nullopt;
            }
            options.decimals = static_cast<int>(parsed->value);
            ++i;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        } else if (options.problemFile.empty()) {
            options.problemFile = arg;
        } else {
            error = "only one problem file can be given";
            return std::nullopt;
        }
    }
    if (options.problemFile.empty()) {
        error = "a problem file is needed";
        return std::nullopt;
    }
    if (options.command == CliCommand::Plot && options.dual && !options.path) {
        error = "plot --dual needs --path";
        return std::nullopt;
    }
    if (options.command == CliCommand::WhatIf && options.changes.empty()) {
        error = "whatif needs a change: --rhs NAME=VALUE, --cost VAR=VALUE or --add-row";
        return std::nullopt;
    }
    if (options.command == CliCommand::Solve && !options.json) {
        error = "solve needs --json";
        return std::nullopt;
    }
    return options;
}

}  // namespace vantrell::cli

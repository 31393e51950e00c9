// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace vantrell {

// Every command of the main window; the menu and the Ctrl+letter keys both run these.
enum class MainCommand {
    New,
    Open,
    SaveExcel,
    SaveText,
    ExportSolution,
    Exit,
    ObjectiveFunction,
    Constraints,
    DeleteConstraint,
    Plot2D,
    DeselectConstraint,
    CalculatePrimal,
    CalculateDual,
    Options,
    About,
    UserGuide,
    ExportLatex,
    Import,
    ExportAs,
    ExportPdf,
    Print,
};

// The Ctrl+letter keys: Qt::Key_D and the rest, to their commands.
std::optional<MainCommand> CommandForControlKey(int qtKey);
// The Ctrl+Shift+letter keys.
std::optional<MainCommand> CommandForControlShiftKey(int qtKey);

}  // namespace vantrell

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
    Sensitivity,
    PracticePrimal,
    PracticeDual,
    NewExercise,
    NewExerciseSheet,
    Import,
    ExportAs,
    ExportPdf,
    Print,
    ReviewTableaus,
};

// The Ctrl+letter keys: Qt::Key_D and the rest, to their commands.
std::optional<MainCommand> CommandForControlKey(int qtKey);
// Ctrl+Alt+P, Ctrl+Alt+D, Ctrl+Shift+N and Ctrl+Shift+P.
std::optional<MainCommand> CommandForControlKey(int qtKey, bool alt, bool shift);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_command.h"

#include <Qt>

namespace vantrell {

std::optional<MainCommand> CommandForControlKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_D:
            return MainCommand::CalculateDual;
        case Qt::Key_E:
            return MainCommand::SaveExcel;
        case Qt::Key_F:
            return MainCommand::ObjectiveFunction;
        case Qt::Key_G:
            return MainCommand::Plot2D;
        case Qt::Key_I:
            return MainCommand::Import;
        case Qt::Key_N:
            return MainCommand::New;
        case Qt::Key_O:
            return MainCommand::Open;
        case Qt::Key_P:
            return MainCommand::CalculatePrimal;
        case Qt::Key_R:
            return MainCommand::ReviewTableaus;
        case Qt::Key_S:
            return MainCommand::Constraints;
        case Qt::Key_T:
            return MainCommand::Sensitivity;
        case Qt::Key_X:
            return MainCommand::DeleteConstraint;
        default:
            return std::nullopt;
    }
}

std::optional<MainCommand> CommandForControlKey(int qtKey, bool alt, bool shift) {
    if (alt && !shift && qtKey == Qt::Key_P) {
        return MainCommand::PracticePrimal;
    }
    if (alt && !shift && qtKey == Qt::Key_D) {
        return MainCommand::PracticeDual;
    }
    if (shift && !alt && qtKey == Qt::Key_N) {
        return MainCommand::NewExercise;
    }
    if (shift && !alt && qtKey == Qt::Key_P) {
        return MainCommand::Print;
    }
    return alt || shift ? std::nullopt : CommandForControlKey(qtKey);
}

}  // namespace vantrell

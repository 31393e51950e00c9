// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/file_commands.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The file dialogs of Import and Export As: CPLEX LP (".lp") and free MPS (".mps") files,
// told apart by their extension; a name typed without one is written as CPLEX LP.
FileDialogSpec ImportProblemDialog();
FileDialogSpec ExportProblemDialog();

// Import: asks for a CPLEX LP or free MPS file and makes its model the primal, a new
// problem without a file name, after the save question of Open. A model with more than
// maxVariables variables, or anything else the program cannot hold, is refused with a
// message and the current problem stays. The message on success lists which of the
// model's variables became X1..Xn.
OpenResult ImportProblem(VantrellState& state, Prompt& prompt, int maxVariables);

// Export As: asks for a path and writes the primal there as CPLEX LP or free MPS. An
// existing file stays whole when the write fails. Returns whether the file was written.
bool ExportProblemAs(const VantrellState& state, Prompt& prompt);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/problem_file_reader.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The file dialogs of the two commands: the data folder, "*.lp" files; saving adds the
// extension "lp" to a name typed without one. Without a data folder, opening shows the
// installed examples.
FileDialogSpec OpenProblemDialog();
FileDialogSpec SaveProblemDialog();

enum class OpenResult {
    Opened,     // the problem was replaced, perhaps with messages about parts of the file
    Cancelled,  // no file was chosen
    Failed,     // the file could not be opened or read; nothing changed
};

// Open: offers to save a problem with unsaved changes, then asks for a problem file and
// replaces the primal with its content. A file that cannot be read at all leaves every
// member as it was. Unless the file failed to read, the dual is rebuilt and the solution
// list emptied, after Cancel as well. unsaved says whether the problem has changes no
// file holds; only then is the save question asked.
OpenResult OpenProblem(VantrellState& state, Prompt& prompt, bool unsaved = true);
// The same for a file chosen elsewhere: on the command line, dropped, or a recent file.
// The save question comes once the file has been read, so a missing file costs none.
OpenResult OpenProblemAt(VantrellState& state, Prompt& prompt, const std::string& path,
                         bool unsaved = true);

// Asks "Do you want to save the current inputs?" when the problem has unsaved changes
// and any inputs, and saves on Yes.
void OfferToSave(const VantrellState& state, Prompt& prompt, bool unsaved);

// What Open does with a file it has read: the file's problem replaces the primal, path
// becomes the file name, the dual is rebuilt and the solution list emptied.
void ApplyProblemFile(VantrellState& state, ProblemFile file, const std::string& path);

// Save Text: asks for a path and writes the problem there as a problem file. The old file
// stays whole when the write fails. Changes no state. Returns whether the file was written.
bool SaveText(const VantrellState& state, Prompt& prompt);

}  // namespace vantrell

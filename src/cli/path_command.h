// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell::cli {

// plot --path: solves the primal (or the dual) and prints its path, one line per page.
int PrintPath(VantrellState& state, bool dual, std::ostream& out, Prompt& prompt);

}  // namespace vantrell::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantrell {

// How much of a pivot the student works in practice: the choices only, then the row
// operations, or then the whole next tableau cell by cell.
enum class PracticeLevel { Choices, Operations, Tableau };

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vantrell {

// The largest problem the program takes. The window edits X1..X9, but files and the batch
// front end may be larger. A run keeps three stores of 30 tableau pages whose cells grow
// with rows times columns, and the dual of an equality row has two columns; at these
// limits the worst problem's report and workbook stay well within a gigabyte and a few
// seconds, and beyond them memory would run out long before a student could read a page.
inline constexpr int kMaxVariables = 100;
inline constexpr int kMaxConstraints = 100;
// Far above any problem within the limits, however long its names; a larger file is
// refused before it is read into memory.
inline constexpr std::size_t kMaxProblemFileBytes = 4000000;

// "X150 in constraint 3 is beyond the 100 variables this program solves"; where is
// "the objective function" or "constraint N".
std::string TooManyVariablesMessage(int number, const std::string& where);
// "The problem has 5000 constraints, more than the 100 this program solves"
std::string TooManyConstraintsMessage(std::size_t count);
// Why a run or a plot is refused, or nothing when the problem is within the limits.
std::optional<std::string> ProblemSizeRefusal(std::size_t variables, std::size_t constraints);

}  // namespace vantrell

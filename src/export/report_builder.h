// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "model/vantrell_state.h"

namespace vantrell {

// What the Export command tells the user when no run has reached a solution yet.
inline constexpr const char* kNotSolvedMessage = "The Problem must be solved first\n";

// The local date and time printed at the top of a report. Passed in so that a report's
// text depends on nothing but its arguments.
struct ReportClock {
    int month = 1;  // 1 to 12
    int day = 1;
    int year = 1970;  // the full year, such as 2026
    int hour = 0;     // 0 to 23
    int minute = 0;
};

// The local time now, for the Export command.
ReportClock ReportClockNow();

// The whole solution report with "\n" line ends; the file writer turns them into CR LF.
// It reads only the state and does not check mSolved: refusing is the command's job.
std::string BuildReport(const VantrellState& state, const ReportClock& when);

// The report's own term layout: every term has its joiner, its absolute value and its
// name with a blank on each side, so "Z =" is followed by " + 3.000 X1  + 5.000 X2 ".
std::string ReportObjectiveText(const VantrellState& state);
// The terms of primal or dual constraint i, its relation text and a blank, then its
// right-hand side: " + 3.000 X1  + 2.000 X2 >= 18.000". Empty when there is no row i.
std::string ReportPrimalConstraintText(const VantrellState& state, std::size_t i);
std::string ReportDualConstraintText(const VantrellState& state, std::size_t i);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vantrell {

// The program's version, e.g. "1.0", as the build was configured.
std::string_view ProgramVersion();

// "Copyright (C) <year> <holders>".
std::string CopyrightLine();

// The licence in one line, as the About box, --version and the README state it.
inline constexpr std::string_view kLicenceLine =
    "Free software under the GNU GPL version 3 or later, with no warranty.";

// What --version prints for the named program: its name and version, the copyright
// line and the licence line, each ended by a line break.
std::string VersionText(std::string_view programName);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrell {

// The licence text and the list of the libraries the program uses, which the About box
// opens.
inline constexpr std::string_view kLicenceFileName = "LICENSE";
inline constexpr std::string_view kThirdPartyFileName = "THIRD_PARTY.md";

// Where a notice file is looked for, in order: beside the program (started from a build's
// bin/), then the installed documentation folder. An unknown (empty) program folder gives
// no place at all.
std::vector<std::filesystem::path> NoticeCandidates(std::string_view fileName,
                                                    const std::filesystem::path& programFolder);

// The first of those candidates that can be read; nothing when none can.
std::optional<std::string> ReadNotice(std::string_view fileName,
                                      const std::filesystem::path& programFolder);

// What the user is told when a notice file cannot be read.
std::string MissingNoticeMessage(std::string_view fileName);

}  // namespace vantrell

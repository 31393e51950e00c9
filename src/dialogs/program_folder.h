// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>

namespace vantrell {

// The folder the running program is in, from which its installed guide and examples are
// found; empty before the application object exists.
std::filesystem::path ProgramFolder();

// Paths between Qt and the standard library in the file system's own encoding.
std::filesystem::path LocalPath(const QString& path);
QString QtPath(const std::filesystem::path& path);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/vantrell_state.h"

class QSettings;

namespace vantrell {

// One option kept between sessions: how it is read back (a missing, damaged or foreign
// value leaves the option as it is, its default at start) and how it is written.
struct OptionSetting {
    std::function<void(const QSettings&, VantrellState&)> read;
    std::function<void(QSettings&, const VantrellState&)> write;
};

// Every kept option, one entry each.
const std::vector<OptionSetting>& OptionSettings();

void ReadOptions(const QSettings& settings, VantrellState& state);
void WriteOptions(QSettings& settings, const VantrellState& state);

// The recent problems, newest first.
std::vector<std::string> ReadRecentFiles(const QSettings& settings);
void WriteRecentFiles(QSettings& settings, const std::vector<std::string>& paths);

// The last folder of each file dialog, by the dialog's filter.
std::map<std::string, std::string> ReadLastFolders(QSettings& settings);
void WriteLastFolders(QSettings& settings, const std::map<std::string, std::string>& folders);

}  // namespace vantrell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/recent_files.h"

#include <algorithm>
#include <filesystem>

#include "model/file_io.h"

namespace vantrell {

void RecentFiles::Assign(const std::vector<std::string>& paths) {
    std::vector<std::string> kept;
    for (const std::string& path : paths) {
        if (kept.size() < kMaxEntries && !path.empty() &&
            std::none_of(kept.begin(), kept.end(),
                         [&path](const std::string& k) { return SameFile(k, path); })) {
            kept.push_back(path);
        }
    }
    paths_ = std::move(kept);
}

void RecentFiles::Add(const std::string& path) {
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMaxEntries) {
        paths_.resize(kMaxEntries);
    }
}

void RecentFiles::Remove(const std::string& path) {
    std::erase_if(paths_, [&path](const std::string& entry) { return SameFile(entry, path); });
}

std::string RecentFileCaption(std::size_t index, const std::string& path) {
    std::string name = std::filesystem::path(path).filename().string();
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (const char c : name) {
        caption += c == '&' ? std::string("&&") : std::string(1, c);
    }
    return caption;
}

}  // namespace vantrell

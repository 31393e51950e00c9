// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_parts.h"

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <system_error>

namespace vantrell::cli {
namespace {

// dlopen's handles by path: a part is loaded once and stays, because its code may still be
// on the stack of a caller (and dlclose would gain nothing at the end of a process).
void* OpenOnce(const std::string& path, std::string& error) {
    static std::map<std::string, void*> opened;
    if (const auto found = opened.find(path); found != opened.end()) {
        return found->second;
    }
    // RTLD_NOW: a part whose libraries are missing fails here, with their names, rather than
    // halfway through a command.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "cannot be loaded";
        return nullptr;
    }
    opened.emplace(path, handle);
    return handle;
}

template <typename Part>
const Part* LoadPart(const std::string& folder, const char* file, const char* entry,
                     std::string& error) {
    const std::string path = folder + "/" + file;
    const auto refuse = [&](const std::string& why) -> const Part* {
        error = "Cannot load \"" + path + "\", a part of vantrell-cli: " + why +
                ". Reinstall Vantrell.";
        return nullptr;
    };
    std::string reason;
    void* handle = OpenOnce(path, reason);
    if (handle == nullptr) {
        return refuse(reason);
    }
    // dlsym hands out an untyped address; the part's entry has exactly this type.
    using Entry = const Part* (*)();
    const auto found = reinterpret_cast<Entry>(dlsym(handle, entry));
    const Part* part = found != nullptr ? found() : nullptr;
    if (part == nullptr) {
        return refuse(std::string("it has no ") + entry);
    }
    if (part->build.version != kThisBuild.version ||
        part->build.stateSize != kThisBuild.stateSize) {
        return refuse("it comes from another build (version " + std::string(part->build.version) +
                      ", this is " + std::string(kThisBuild.version) + ")");
    }
    return part;
}

}  // namespace

std::string PartFolderOfProgram() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    // Without /proc the parts are looked for from the current folder; loading then fails
    // with a message naming the path, not silently.
    const std::filesystem::path folder = error ? std::filesystem::path(".") : program.parent_path();
    return (folder / kPartFolder).lexically_normal().string();
}

const WorkbookPart* LoadWorkbookPart(const std::string& folder, std::string& error) {
    return LoadPart<WorkbookPart>(folder, kWorkbookPartFile, "vantrell_workbook_part", error);
}

const FormatsPart* LoadFormatsPart(const std::string& folder, std::string& error) {
    return LoadPart<FormatsPart>(folder, kFormatsPartFile, "vantrell_formats_part", error);
}

}  // namespace vantrell::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantrell {

// The whole content of a regular file of at most maxBytes, byte for byte. Nothing, with
// reason set to the system's reason ("No such file or directory", "Is a directory",
// "Permission denied", "Not a regular file", or "File too large" with the size), when it
// cannot be read. A larger file is refused before its content is read.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes,
                                           std::string& reason);

// The whole content of a regular file, byte for byte. Nothing, with error set to
// "Cannot read \"PATH\": reason", when it cannot be read. Devices and pipes are refused
// so that a stray choice in a file dialog cannot block or fill memory.
std::optional<std::string> ReadFileContent(const std::string& path, std::string* error = nullptr);

// Makes the file at path with produce, which writes a whole file at the path it is given
// and returns the reason when it cannot. The file is produced beside the target, flushed
// to disk and renamed over it, so the target holds either its old or its new content,
// never a part, and an existing target keeps its permission bits; a symbolic link is
// written through. A target the user may not write, or one without any write bit, is
// refused rather than renamed over. A target that exists and is no regular file (a device such as
// /dev/full), or a link's target that has no name on disk (a pipe behind /proc/self/fd/1), is
// produced directly, as nothing can be renamed over it. A link to nothing yet makes the file
// it names; one that leads nowhere a file can be made (a loop, a missing folder) is refused.
// A link is never replaced.
// Returns "Cannot write \"PATH\": reason" on failure, nothing on success.
using FileProducer = std::function<std::optional<std::string>(const std::string& file)>;
[[nodiscard]] std::optional<std::string> ReplaceFile(const std::string& path,
                                                     const FileProducer& produce);

// Whether two paths name the same file: the same file on disk for files that exist
// (through links, "./" and the like), the same name in the same real folder otherwise.
bool SameFile(const std::string& first, const std::string& second);

// Why output may not be written: "Cannot write \"OUTPUT\": it is WHAT" when it names the
// same file as input (the problem file, another output of the same command). Nothing when
// they differ or input is empty. Checked before anything is written, so nothing is lost.
std::optional<std::string> OutputClash(const std::string& output, const std::string& input,
                                       const std::string& what);

// Removes the temporary files that writes of this process are producing at this moment.
// Safe to call from a signal handler, which is what it is for: a batch run stopped with
// Ctrl+C leaves no half-written file beside its target.
void RemovePendingTemporaries() noexcept;

// A file of its own in the temporary folder, for a library that reads or writes only by
// name. Removed with the object, and by RemovePendingTemporaries when a signal ends the
// process first. When none can be made, path() is empty and error() says why ("no
// temporary file can be made in \"/tmp\": Permission denied").
class ScratchFile {
  public:
    ScratchFile();
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    std::string path_;
    std::string error_;
    void* slot_ = nullptr;  // where the signal handler finds the path
};

// Replaces the file at path with content, or creates it. The content goes into a temporary
// file beside the target, is flushed to disk and then renamed over it, so the target holds
// either its old or its new content, never a part. An existing target keeps its permission
// bits; a symbolic link is written through. A target that exists and is no regular file
// (a device such as /dev/null) is written directly, as nothing can be renamed over it.
// Returns "Cannot write \"PATH\": reason" on failure, nothing on success.
[[nodiscard]] std::optional<std::string> WriteFileAtomically(const std::string& path,
                                                             std::string_view content);

// The same for text: every "\n" is written as CR LF, the line end of the program's files.
[[nodiscard]] std::optional<std::string> WriteTextFileAtomically(const std::string& path,
                                                                 std::string_view text);

// "\n" to "\r\n"; a CR LF already present is kept as it is.
std::string ToCrLf(std::string_view text);

}  // namespace vantrell

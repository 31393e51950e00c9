// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_io.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace vantrell {
namespace {

std::string Reason(int error) {
    return std::system_category().message(error);
}

std::string WriteError(const std::string& path, const std::string& reason) {
    return "Cannot write \"" + path + "\": " + reason;
}

std::string WriteError(const std::string& path, int error) {
    return WriteError(path, Reason(error));
}

// Closes the descriptor on every way out unless released.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports close's own error, which is where some file systems
    // report a failed write.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// Writes all of content, retrying after interruptions and short writes. 0 or errno.
int WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a write goes. A symbolic link is written through, never renamed over: its target
// is replaced, or, when the target has no name on disk (a pipe behind /proc/self/fd/1),
// written directly. error is set when the link leads nowhere a file could be made.
struct WriteTarget {
    std::string path;
    bool direct = false;
    int error = 0;
};

// The name at the end of a chain of links that ends at nothing yet: the file a write
// through the chain makes. Nothing for a loop or an unreadable link.
std::optional<std::string> DanglingEnd(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            return path;
        }
        if (!S_ISLNK(info.st_mode)) {
            return std::nullopt;  // it exists after all, but cannot be reached
        }
        char next[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), next, sizeof next);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof next) {
            return std::nullopt;
        }
        const std::string link(next, static_cast<std::size_t>(length));
        path = link.starts_with('/') ? link : FolderOf(path) + "/" + link;
    }
    return std::nullopt;
}

WriteTarget ResolveTarget(const std::string& path) {
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode)) {
        return {path};
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) {
        return {resolved};
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        return {path, true};
    }
    const auto end = DanglingEnd(path);
    if (!end) {
        return {path, false, ELOOP};
    }
    if (::realpath(FolderOf(*end).c_str(), resolved) == nullptr) {
        return {path, false, errno};
    }
    return {std::string(resolved) + "/" + BaseNameOf(*end)};
}

// The temporary files being produced right now, for a signal handler to remove. Plain
// arrays and lock-free atomics only: the handler may read them at any moment.
struct PendingSlot {
    std::atomic<bool> claimed{false};  // owned by one write
    std::atomic<bool> ready{false};    // path names a file to remove
    char path[PATH_MAX] = {};
};
PendingSlot gPending[4];

// Owns a temporary file until it has been renamed over its target: removes it on every
// other way out, exceptions included, and keeps its path where RemovePendingTemporaries
// finds it meanwhile. A path that finds no free slot is only not seen by the handler.
PendingSlot* ClaimSlot(const std::string& path) {
    for (PendingSlot& slot : gPending) {
        bool expected = false;
        if (path.size() < PATH_MAX && slot.claimed.compare_exchange_strong(expected, true)) {
            path.copy(slot.path, path.size());
            slot.path[path.size()] = '\0';
            slot.ready.store(true);
            return &slot;
        }
    }
    return nullptr;
}

void ReleaseSlot(PendingSlot* slot) {
    if (slot != nullptr) {
        slot->ready.store(false);
        slot->claimed.store(false);
    }
}

class PendingTemporary {
  public:
    explicit PendingTemporary(std::string path) : path_(std::move(path)), slot_(ClaimSlot(path_)) {}
    ~PendingTemporary() {
        if (!renamed_) {
            ::unlink(path_.c_str());
        }
        ReleaseSlot(slot_);
    }
    const std::string& path() const { return path_; }
    void Renamed() { renamed_ = true; }
    PendingTemporary(const PendingTemporary&) = delete;
    PendingTemporary& operator=(const PendingTemporary&) = delete;

  private:
    std::string path_;
    PendingSlot* slot_;
    bool renamed_ = false;
};

// Claims a fresh name in the target's folder, where the rename stays on one file system
// and a missing or closed folder shows before any work is done. The name tells whose it
// is: ".report.out.vantrell-4711-0.tmp" belongs to report.out. The mode 0666 lets the
// umask decide, as for any new file. 0 or errno.
int ReserveTemporary(const std::string& target, std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = FolderOf(target) + "/." + BaseNameOf(target) + ".vantrell-" +
                             std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = stem + std::to_string(counter++) + ".tmp";
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return 0;
        }
        if (errno != EEXIST) {
            return errno;
        }
    }
    return EEXIST;
}

// Some writers close their file without flushing it to disk; a rename before that could
// leave an empty file after a crash. 0 or errno.
int SyncFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        return errno;
    }
    return ::fsync(fd.get()) == 0 ? 0 : errno;
}

// Best effort: makes the rename itself durable. A folder that cannot be synced does not
// undo a write that has already replaced the file.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes content as the whole of file. O_NONBLOCK keeps the open of a pipe without a
// reader from waiting forever. The reason on failure.
std::optional<std::string> WriteContent(const std::string& file, std::string_view content) {
    FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        return Reason(errno);
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    }
    if (const int error = WriteAll(fd.get(), content); error != 0) {
        return Reason(error);
    }
    if (const int error = fd.Close(); error != 0) {
        return Reason(error);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes,
                                           std::string& reason) {
    const auto fail = [&](const std::string& why) -> std::optional<std::string> {
        reason = why;
        return std::nullopt;
    };
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        return fail(Reason(errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return fail(Reason(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return fail(Reason(EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        return fail("Not a regular file");
    }
    const auto tooLarge = [&](std::size_t size) {
        return fail(Reason(EFBIG) + ": " + std::to_string(size) + " bytes, more than the " +
                    std::to_string(maxBytes) + " that are read");
    };
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > maxBytes) {
        return tooLarge(size);
    }
    std::string content;
    content.reserve(size);
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(Reason(errno));
        }
        if (count == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(count));
        // A file that grows while it is read is held to the same limit.
        if (content.size() > maxBytes) {
            return tooLarge(content.size());
        }
    }
    return content;
}

std::optional<std::string> ReadFileContent(const std::string& path, std::string* error) {
    std::string reason;
    auto content = ReadRegularFile(path, std::numeric_limits<std::size_t>::max(), reason);
    if (!content && error != nullptr) {
        *error = "Cannot read \"" + path + "\": " + reason;
    }
    return content;
}

std::optional<std::string> ReplaceFile(const std::string& path, const FileProducer& produce) {
    const WriteTarget resolved = ResolveTarget(path);
    if (resolved.error != 0) {
        return WriteError(path, resolved.error);
    }
    const std::string& target = resolved.path;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return WriteError(path, EISDIR);
    }
    if (exists && (resolved.direct || !S_ISREG(existing.st_mode))) {
        // Nothing can be renamed over a device; renaming over /dev/null would replace it.
        if (const auto reason = produce(target)) {
            return WriteError(path, *reason);
        }
        return std::nullopt;
    }
    // A rename asks only the folder, not the file, so a read-only file would be replaced.
    // A file without any write bit counts as read-only even for the superuser.
    if (exists && (existing.st_mode & 0222) == 0) {
        return WriteError(path, EACCES);
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return WriteError(path, errno);
    }

    std::string reserved;
    if (const int error = ReserveTemporary(target, reserved); error != 0) {
        return WriteError(path, error);
    }
    PendingTemporary temporary(std::move(reserved));
    if (const auto reason = produce(temporary.path())) {
        return WriteError(path, *reason);
    }
    if (exists) {
        ::chmod(temporary.path().c_str(), existing.st_mode & 07777);
    }
    if (const int error = SyncFile(temporary.path()); error != 0) {
        return WriteError(path, error);
    }
    if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
        return WriteError(path, errno);
    }
    temporary.Renamed();
    SyncFolder(FolderOf(target));
    return std::nullopt;
}

bool SameFile(const std::string& first, const std::string& second) {
    struct stat a {};
    struct stat b {};
    if (::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0) {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    }
    // A file yet to be made is named by its real folder and its name there.
    const auto where = [](const std::string& path) {
        const std::string target = ResolveTarget(path).path;
        char folder[PATH_MAX];
        if (::realpath(FolderOf(target).c_str(), folder) == nullptr) {
            return target;
        }
        return std::string(folder) + "/" + BaseNameOf(target);
    };
    return where(first) == where(second);
}

std::optional<std::string> OutputClash(const std::string& output, const std::string& input,
                                       const std::string& what) {
    if (input.empty() || !SameFile(output, input)) {
        return std::nullopt;
    }
    return WriteError(output, "it is " + what);
}

void RemovePendingTemporaries() noexcept {
    for (PendingSlot& slot : gPending) {
        if (slot.ready.load()) {
            ::unlink(slot.path);
        }
    }
}

ScratchFile::ScratchFile() {
    static std::atomic<unsigned> counter{0};
    std::error_code failure;
    const std::string folder = std::filesystem::temp_directory_path(failure).string();
    if (failure) {
        error_ = "no temporary file can be made: " + failure.message();
        return;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = folder + "/vantrell-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter++) + ".tmp";
        // Claimed before it exists, so a signal in between cannot leave it behind.
        PendingSlot* slot = ClaimSlot(path);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            path_ = path;
            slot_ = slot;
            return;
        }
        const int reason = errno;
        ReleaseSlot(slot);
        if (reason != EEXIST) {
            error_ = "no temporary file can be made in \"" + folder + "\": " + Reason(reason);
            return;
        }
    }
    error_ = "no temporary file can be made in \"" + folder + "\": " + Reason(EEXIST);
}

ScratchFile::~ScratchFile() {
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
    ReleaseSlot(static_cast<PendingSlot*>(slot_));
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view content) {
    return ReplaceFile(path,
                       [content](const std::string& file) { return WriteContent(file, content); });
}

std::optional<std::string> WriteTextFileAtomically(const std::string& path, std::string_view text) {
    return WriteFileAtomically(path, ToCrLf(text));
}

std::string ToCrLf(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            converted += '\r';
        }
        converted += text[i];
    }
    return converted;
}

}  // namespace vantrell

#include "export/workbook_writer.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <atomic>
#include <cerrno>
#include <system_error>

namespace vantrell {
namespace {

std::string SystemReason(int error) {
    return std::system_category().message(error);
}

std::string WriteError(const std::string& path, const std::string& reason) {
    return "Cannot write \"" + path + "\": " + reason;
}

// libxlsxwriter's words for its error. Where the file itself failed, the system's reason
// follows: "Zip generic error" alone does not tell a full disk from a missing folder.
std::string WorkbookReason(lxw_error error, int systemError) {
    std::string reason = lxw_strerror(error);
    const bool fileError = error == LXW_ERROR_CREATING_XLSX_FILE ||
                           error == LXW_ERROR_ZIP_FILE_OPERATION || error == LXW_ERROR_ZIP_CLOSE;
    if (fileError && systemError != 0) {
        reason += " " + SystemReason(systemError) + ".";
    }
    return reason;
}

// The file that a save really replaces: the target of a symbolic link, so the link
// survives. A dangling link or a new file is written at the path as given.
std::string ResolveTarget(const std::string& path) {
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return path;
    }
    return resolved;
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

// Claims a fresh name in the target's folder, where the rename stays on one file system
// and a missing or closed folder shows before any work is done. 0 or errno.
int ReserveTemporary(const std::string& target, std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    const std::string stem =
        FolderOf(target) + "/." + BaseNameOf(target) + "." + std::to_string(::getpid()) + ".";
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

// libxlsxwriter closes its file without flushing it to disk; a rename before that could
// leave an empty workbook after a crash. 0 or errno.
int SyncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int result = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return result;
}

// Best effort: makes the rename itself durable.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<std::string> CWebCalc::WriteWorkbook(const std::string& file) const {
    lxw_workbook* workbook = workbook_new(file.c_str());
    if (workbook == nullptr) {
        return lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_error error = sheet == nullptr ? LXW_ERROR_MEMORY_MALLOC_FAILED : LXW_NO_ERROR;
    for (const SheetCell& cell : mCells) {
        if (error != LXW_NO_ERROR) {
            break;
        }
        // Rows and columns count from 0 here. Always a string: "4.000" must stay the
        // tableau's text, not become the number 4.
        error = worksheet_write_string(sheet, static_cast<lxw_row_t>(cell.row - 1),
                                       static_cast<lxw_col_t>(cell.column - 1), cell.text.c_str(),
                                       nullptr);
    }
    if (error != LXW_NO_ERROR) {
        // Closing would write the file; a workbook with cells missing is not wanted.
        lxw_workbook_free(workbook);
        return WorkbookReason(error, 0);
    }
    errno = 0;
    error = workbook_close(workbook);  // writes the file and frees the workbook
    if (error != LXW_NO_ERROR) {
        return WorkbookReason(error, errno);
    }
    return std::nullopt;
}

std::optional<std::string> CWebCalc::SaveAs(const std::string& path) const {
    const std::string target = ResolveTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return WriteError(path, SystemReason(EISDIR));
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        // Nothing can be renamed over a device; renaming over /dev/null would replace it.
        if (const auto reason = WriteWorkbook(target)) {
            return WriteError(path, *reason);
        }
        return std::nullopt;
    }

    std::string temporaryPath;
    if (const int error = ReserveTemporary(target, temporaryPath); error != 0) {
        return WriteError(path, SystemReason(error));
    }
    const auto fail = [&](const std::string& reason) -> std::optional<std::string> {
        ::unlink(temporaryPath.c_str());
        return WriteError(path, reason);
    };
    if (const auto reason = WriteWorkbook(temporaryPath)) {
        return fail(*reason);
    }
    if (exists) {
        ::chmod(temporaryPath.c_str(), existing.st_mode & 07777);
    }
    if (const int error = SyncFile(temporaryPath); error != 0) {
        return fail(SystemReason(error));
    }
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        return fail(SystemReason(errno));
    }
    SyncFolder(FolderOf(target));
    return std::nullopt;
}

}  // namespace vantrell

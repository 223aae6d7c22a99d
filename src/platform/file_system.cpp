#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/fault_injection.h"

namespace vartel {
namespace {

FaultInjector* faultInjector = nullptr;

// True when an installed injector makes this call fail; errno then holds its error.
bool failsOnPurpose(FileCall call, const std::string& path, const std::string& other) {
    if (faultInjector == nullptr) return false;
    const int error = faultInjector->failure(call, path, other);
    if (error == 0) return false;
    errno = error;
    return true;
}

FileStatus statusOf(const struct stat& info) {
    FileStatus status;
    status.size = static_cast<std::int64_t>(info.st_size);
    status.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    status.isFolder = S_ISDIR(info.st_mode);
    status.isSymbolicLink = S_ISLNK(info.st_mode);
    return status;
}

int renameNoReplace(const std::string& from, const std::string& to) {
    if (faultInjector != nullptr && failsOnPurpose(FileCall::Rename, from, to)) return -1;
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
}

// For file systems without the no-replace flag: link fails when the target exists.
bool renameByLink(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) == 0) return true;
    ::unlink(to.c_str());
    return false;
}

bool renameOnce(const std::string& from, const std::string& to) {
    if (renameNoReplace(from, to) == 0) return true;
    if (errno == EINVAL || errno == ENOSYS) return renameByLink(from, to);
    return false;
}

std::string folderPartOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// True when both paths name the same entry although they are spelt differently, which happens
// only where the file system ignores letter case.
bool sameEntry(const std::string& from, const std::string& to) {
    struct stat a {};
    struct stat b {};
    if (::lstat(from.c_str(), &a) != 0 || ::lstat(to.c_str(), &b) != 0) return false;
    if (a.st_dev != b.st_dev || a.st_ino != b.st_ino) return false;
    // A file with a single link has one entry, so both spellings name it.
    if (!S_ISDIR(a.st_mode) && a.st_nlink == 1) return true;
    // Two hard links of one file are two entries; only a case-folding file system lists the
    // source under the target's spelling as well.
    const std::string folder = folderPartOf(to);
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr) return false;
    const std::string targetName = to.substr(folder.size());
    bool targetListed = false;
    while (const dirent* entry = ::readdir(listing)) {
        if (targetName == entry->d_name) targetListed = true;
    }
    ::closedir(listing);
    return !targetListed;
}

bool renameThroughTemporary(const std::string& from, const std::string& to) {
    static std::atomic<unsigned> counter{0};
    const std::string temporary = folderPartOf(from) + ".vartel-rename-" +
                                  std::to_string(::getpid()) + "-" + std::to_string(++counter);
    if (!renameOnce(from, temporary)) return false;
    if (renameOnce(temporary, to)) return true;
    renameOnce(temporary, from);
    return false;
}

// The system would read such a path only up to the NUL, which names another entry: a folder
// walk would then list an ancestor again and again.
bool holdsNul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

}  // namespace

FaultInjector* installFaultInjector(FaultInjector* injector) {
    FaultInjector* const before = faultInjector;
    faultInjector = injector;
    return before;
}

std::optional<FileStatus> lookUpFile(const std::string& path) {
    if (faultInjector != nullptr && failsOnPurpose(FileCall::LookUp, path, {})) {
        return std::nullopt;
    }
    struct stat info {};
    if (holdsNul(path) || ::lstat(path.c_str(), &info) != 0) return std::nullopt;
    return statusOf(info);
}

FolderListing::FolderListing(const std::string& path) {
    if (holdsNul(path)) {
        openError_ = EINVAL;
        return;
    }
    if (faultInjector != nullptr) {
        if (failsOnPurpose(FileCall::OpenFolder, path, {})) {
            openError_ = errno;
            return;
        }
        path_ = path;
    }
    folder_ = ::opendir(path.c_str());
    if (folder_ == nullptr) openError_ = errno;
}

FolderListing::~FolderListing() {
    if (folder_ != nullptr) ::closedir(folder_);
}

std::optional<FolderEntry> FolderListing::next() {
    if (folder_ == nullptr) return std::nullopt;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(folder_);
        if (entry == nullptr) {
            failed_ = errno != 0;
            return std::nullopt;
        }
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        struct stat info {};
        const bool unreadable =
            (faultInjector != nullptr && failsOnPurpose(FileCall::ReadEntry, path_, name)) ||
            ::fstatat(::dirfd(folder_), name, &info, AT_SYMLINK_NOFOLLOW) != 0;
        if (unreadable) {
            // An entry removed since the folder was read is simply gone; any other failure
            // means the listing can no longer be trusted to be whole.
            if (errno == ENOENT) continue;
            failed_ = true;
            return std::nullopt;
        }
        return FolderEntry{name, statusOf(info)};
    }
}

bool renameWithoutReplacing(const std::string& from, const std::string& to) {
    if (holdsNul(from) || holdsNul(to)) return false;
    if (renameOnce(from, to)) return true;
    if (errno == EEXIST && from != to && sameEntry(from, to)) {
        return renameThroughTemporary(from, to);
    }
    return false;
}

bool createFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (!folder.empty() && ::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string executableFolder() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0) return ".";
    path.resize(static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/'));
}

}  // namespace vartel

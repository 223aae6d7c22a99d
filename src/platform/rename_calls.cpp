#include "platform/rename_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "platform/file_calls.h"
#include "platform/folder_case.h"

namespace vartel {

// Where a call finds its two entries: both relative to one folder's descriptor, or both as
// paths (folder AT_FDCWD). Injected faults always see the whole paths.
struct CallEntries {
    int folder;
    const char* from;
    const char* to;
};

namespace {

CallEntries byPath(const std::string& from, const std::string& to) {
    return {AT_FDCWD, from.c_str(), to.c_str()};
}

int renameNoReplace(const std::string& from, const std::string& to, CallEntries at) {
    if (installedFaultInjector != nullptr && failsOnPurpose(FileCall::Rename, from, to)) return -1;
    return ::renameat2(at.folder, at.from, at.folder, at.to, RENAME_NOREPLACE);
}

// For file systems with neither the no-replace flag nor hard links (exFAT or a phone through
// FUSE, cloud mounts), and for folders, which cannot be linked: the new name is first taken
// by an empty file or folder of our own, which fails when the name exists, and the rename
// then replaces only that. Killed between the two, the file stays under its old name and the
// empty placeholder under the new one.
bool renameOverPlaceholder(CallEntries at) {
    struct stat info {};
    if (::fstatat(at.folder, at.from, &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
    const bool folder = S_ISDIR(info.st_mode);
    if (folder) {
        if (::mkdirat(at.folder, at.to, 0700) != 0) return false;
    } else {
        const int placeholder =
            ::openat(at.folder, at.to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (placeholder < 0) return false;
        ::close(placeholder);
    }
    if (::renameat(at.folder, at.from, at.folder, at.to) == 0) return true;
    const int error = errno;
    ::unlinkat(at.folder, at.to, folder ? AT_REMOVEDIR : 0);
    errno = error;
    return false;
}

// For file systems without the no-replace flag: link fails when the target exists.
bool renameByLink(const std::string& from, const std::string& to, CallEntries at) {
    const bool linked = !failsOnPurpose(FileCall::Link, from, to) &&
                        ::linkat(at.folder, at.from, at.folder, at.to, 0) == 0;
    if (!linked) {
        // The file system makes no links, or not of this (a folder).
        if (errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS || errno == EMLINK) {
            return renameOverPlaceholder(at);
        }
        return false;
    }
    if (::unlinkat(at.folder, at.from, 0) == 0) return true;
    ::unlinkat(at.folder, at.to, 0);
    return false;
}

bool renameOnce(const std::string& from, const std::string& to, CallEntries at) {
    if (renameNoReplace(from, to, at) == 0) return true;
    if (errno == EINVAL || errno == ENOSYS) return renameByLink(from, to, at);
    return false;
}

FileError renameAt(const std::string& from, const std::string& to, CallEntries at) {
    if (holdsNul(from) || holdsNul(to)) return FileError::InvalidName;
    if (renameOnce(from, to, at)) return FileError::None;
    // EINVAL here is the system refusing the name itself, since the fallback was tried.
    return errno == EINVAL ? FileError::InvalidName : fileErrorOf(errno);
}

FileError exchangeAt(const std::string& a, const std::string& b, CallEntries at) {
    if (holdsNul(a) || holdsNul(b)) return FileError::InvalidName;
    if (installedFaultInjector != nullptr && failsOnPurpose(FileCall::Exchange, a, b)) {
        return fileErrorOf(errno);
    }
    if (::renameat2(at.folder, at.from, at.folder, at.to, RENAME_EXCHANGE) == 0) {
        return FileError::None;
    }
    return fileErrorOf(errno);
}

}  // namespace

FileError renameStep(const std::string& from, const std::string& to) {
    return renameAt(from, to, byPath(from, to));
}

FileError exchangeNames(const std::string& a, const std::string& b) {
    return exchangeAt(a, b, byPath(a, b));
}

FolderRenamer::~FolderRenamer() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

CallEntries FolderRenamer::entriesOf(const std::string& from, const std::string& to) {
    const std::size_t nameStart = from.rfind('/') + 1;
    const bool sameFolder = nameStart > 0 && nameStart < from.size() && nameStart < to.size() &&
                            to.compare(0, nameStart, from, 0, nameStart) == 0 &&
                            to.find('/', nameStart) == std::string::npos;
    if (!sameFolder || holdsNul(from)) return byPath(from, to);
    const std::string_view folder(from.data(), nameStart);
    if (folder != folder_) {
        if (descriptor_ >= 0) ::close(descriptor_);
        folder_ = folder;
        descriptor_ = ::open(folder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    // A folder that cannot be opened is left to the call by paths, which says why it fails.
    if (descriptor_ < 0) return byPath(from, to);
    return {descriptor_, from.c_str() + nameStart, to.c_str() + nameStart};
}

FileError FolderRenamer::rename(const std::string& from, const std::string& to) {
    return renameAt(from, to, entriesOf(from, to));
}

FileError FolderRenamer::exchange(const std::string& a, const std::string& b) {
    return exchangeAt(a, b, entriesOf(a, b));
}

bool removeExtraName(const std::string& path, const FileIdentity& identity) {
    struct stat info {};
    if (holdsNul(path) || ::lstat(path.c_str(), &info) != 0) return false;
    if (statusOf(info).identity != identity || S_ISDIR(info.st_mode) || info.st_nlink < 2) {
        return false;
    }
    return ::unlink(path.c_str()) == 0;
}

std::string temporaryName() {
    static std::atomic<unsigned> counter{0};
    return ".vartel-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

bool removePlaceholder(const std::string& path, std::int64_t madeSince) {
    struct stat info {};
    if (holdsNul(path) || ::lstat(path.c_str(), &info) != 0) return false;
    if (info.st_mtim.tv_sec < madeSince) return false;
    // Where the system renames without replacing or links, no placeholder is ever made: an
    // empty file there is someone else's.
    struct statfs system {};
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    if (::statfs(folder.empty() ? "." : folder.c_str(), &system) != 0 ||
        keepsCaseApart(static_cast<long>(system.f_type))) {
        return false;
    }
    if (S_ISDIR(info.st_mode)) return ::rmdir(path.c_str()) == 0;  // only an empty one goes
    return S_ISREG(info.st_mode) && info.st_size == 0 && info.st_nlink == 1 &&
           ::unlink(path.c_str()) == 0;
}

}  // namespace vartel

#include "platform/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/file_calls.h"

namespace vartel {

FileStatus statusOf(const struct stat& info) {
    FileStatus status;
    status.size = static_cast<std::int64_t>(info.st_size);
    status.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    status.isFolder = S_ISDIR(info.st_mode);
    status.isSymbolicLink = S_ISLNK(info.st_mode);
    status.isRegular = S_ISREG(info.st_mode);
    status.identity = {static_cast<std::uint64_t>(info.st_dev),
                       static_cast<std::uint64_t>(info.st_ino)};
    return status;
}

FileError fileErrorOf(int error) {
    switch (error) {
        case 0:
            return FileError::None;
        case EEXIST:
        case ENOTEMPTY:
            return FileError::Exists;
        case EACCES:
        case EPERM:
            return FileError::AccessDenied;
        case ENOENT:
        case ENOTDIR:
            return FileError::NotFound;
        case EBUSY:
        case ETXTBSY:
            return FileError::Busy;
        case ENAMETOOLONG:
            return FileError::NameTooLong;
        case EROFS:
            return FileError::ReadOnly;
        case ENOSPC:
        case EDQUOT:
            return FileError::NoSpace;
        case EILSEQ:
            return FileError::InvalidName;
        case EINVAL:
        case ENOSYS:
        case EOPNOTSUPP:
            return FileError::Unsupported;
        default:
            return FileError::Other;
    }
}

bool failsOnPurpose(FileCall call, const std::string& path, const std::string& other) {
    if (installedFaultInjector == nullptr) return false;
    const int error = installedFaultInjector->failure(call, path, other);
    if (error == 0) return false;
    errno = error;
    return true;
}

FaultInjector* installFaultInjector(FaultInjector* injector) {
    FaultInjector* const before = installedFaultInjector;
    installedFaultInjector = injector;
    return before;
}

bool faultsInjected() {
    return installedFaultInjector != nullptr;
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(descriptor, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::optional<FileStatus> lookUpFile(const std::string& path) {
    if (installedFaultInjector != nullptr && failsOnPurpose(FileCall::LookUp, path, {})) {
        return std::nullopt;
    }
    struct stat info {};
    if (holdsNul(path) || ::lstat(path.c_str(), &info) != 0) return std::nullopt;
    return statusOf(info);
}

FileFingerprint fingerprintOf(const FileStatus& status) {
    using Type = FileFingerprint::Type;
    const Type type = status.isFolder         ? Type::Folder
                      : status.isSymbolicLink ? Type::Link
                      : status.isRegular      ? Type::Regular
                                              : Type::Other;
    if (type == Type::Folder) return {type};
    return {type, status.size, status.modifiedSeconds};
}

bool FileFingerprint::matches(const FileStatus& status) const {
    return !known() || fingerprintOf(status) == *this;
}

bool createFolders(const std::string& path, unsigned mode) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (!folder.empty() && ::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST) return false;
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

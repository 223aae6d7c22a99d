#include "platform/file_system.h"

#include <sys/stat.h>

namespace vartel {

std::optional<FileStatus> lookUpFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
    FileStatus status;
    status.size = static_cast<std::int64_t>(info.st_size);
    status.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    status.isFolder = S_ISDIR(info.st_mode);
    status.isSymbolicLink = S_ISLNK(info.st_mode);
    return status;
}

}  // namespace vartel

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vartel {

// What the file system says of one entry, without following a final symbolic link.
struct FileStatus {
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;  // seconds since the epoch
    bool isFolder = false;
    bool isSymbolicLink = false;
};

std::optional<FileStatus> lookUpFile(const std::string& path);

}  // namespace vartel

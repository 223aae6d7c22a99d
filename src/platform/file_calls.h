#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/fault_injection.h"
#include "platform/file_system.h"

namespace vartel {

// What the units of the file-system layer share, and nothing outside it includes.

// The injector tests installed, or null: each file call tests this pointer first.
inline FaultInjector* installedFaultInjector = nullptr;

FileStatus statusOf(const struct stat& info);
FileError fileErrorOf(int error);

// The system would read such a path only up to the NUL, which names another entry: a folder
// walk would then list an ancestor again and again.
inline bool holdsNul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

}  // namespace vartel

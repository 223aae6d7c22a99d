#pragma once

#include <dirent.h>

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

struct FolderEntry {
    std::string name;
    FileStatus status;
};

// The entries of one folder in the order the file system gives them, without "." and "..".
// Entries are looked up relative to the open folder, so a long walk does not resolve the whole
// path again for every file. An entry that vanishes before it is looked up is passed over; one
// that cannot be looked up for any other reason ends the listing as failed.
class FolderListing {
  public:
    explicit FolderListing(const std::string& path);
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    bool isOpen() const { return folder_ != nullptr; }
    // Why the folder could not be opened (0 when it was): ENOENT for one that is gone.
    int openError() const { return openError_; }
    // Nothing at the end of the listing; failed() then tells an error from the normal end.
    std::optional<FolderEntry> next();
    bool failed() const { return failed_; }

  private:
    DIR* folder_ = nullptr;
    bool failed_ = false;
    int openError_ = 0;
    std::string path_;  // kept only while faults are injected
};

// Renames within the file system and never replaces an existing entry. A rename that only
// changes the letter case of a name on a file system that ignores case goes through a unique
// temporary name, since the target "exists" there as the source itself.
bool renameWithoutReplacing(const std::string& from, const std::string& to);

// Creates the folder and every missing folder above it. False when it cannot be made (or a
// file stands in its place).
bool createFolders(const std::string& path);

// The folder of the running program, without a trailing separator.
std::string executableFolder();

}  // namespace vartel

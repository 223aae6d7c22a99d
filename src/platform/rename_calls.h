#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace vartel {

// One rename within a folder that never replaces an existing entry: renameat2 with
// RENAME_NOREPLACE, or link and unlink where the file system lacks that flag. No special case
// for letter case: the caller plans for folders that ignore it.
FileError renameStep(const std::string& from, const std::string& to);
// Swaps the names of two entries in one atomic call; Unsupported where the file system cannot.
FileError exchangeNames(const std::string& a, const std::string& b);

struct CallEntries;

// Renames and swaps as renameStep and exchangeNames do, through a descriptor of the folder of
// the last call: the system then looks up one name per entry instead of walking the whole
// path twice per call, about a tenth of a batch in a deep folder. A call in another folder
// opens that one; a call whose two paths lie in different folders goes by paths.
class FolderRenamer {
  public:
    FolderRenamer() = default;
    FolderRenamer(const FolderRenamer&) = delete;
    FolderRenamer& operator=(const FolderRenamer&) = delete;
    ~FolderRenamer();

    FileError rename(const std::string& from, const std::string& to);
    FileError exchange(const std::string& a, const std::string& b);

  private:
    CallEntries entriesOf(const std::string& from, const std::string& to);
    std::string folder_;
    int descriptor_ = -1;
};

// Removes one of two or more names of a file: only when the entry still is that file and
// the file keeps another name, so no content is ever lost.
bool removeExtraName(const std::string& path, const FileIdentity& identity);
// Removes an empty file or folder that a rename where the file system lacks both no-replace
// renames and links put under the new name to hold it, and a kill left there: only an empty
// regular file or an empty folder, last changed at or after madeSince (seconds since the
// epoch). False when the entry is anything else or stays.
bool removePlaceholder(const std::string& path, std::int64_t madeSince);

// A short hidden name, unique within this process, for a file on its way to its new name.
std::string temporaryName();

}  // namespace vartel

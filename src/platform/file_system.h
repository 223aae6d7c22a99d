#pragma once

#include <dirent.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/side_by_side.h"

namespace vartel {

// Which file an entry is, whatever its name: device and inode. Zero when not known.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool known() const { return inode != 0; }
    bool operator==(const FileIdentity&) const = default;
};

// What the file system says of one entry, without following a final symbolic link.
struct FileStatus {
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;  // seconds since the epoch
    bool isFolder = false;
    bool isSymbolicLink = false;
    bool isRegular = false;
    FileIdentity identity;
};

// What else an entry must still be, beside its identity, to be taken for the file a batch
// renamed: an inode number freed by a removed file is soon given to a new one. A rename keeps
// a file's type, size and modification time; a folder's size and time change with its
// entries, so only its type counts.
struct FileFingerprint {
    enum class Type : unsigned char { Unknown, Regular, Folder, Link, Other };
    Type type = Type::Unknown;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;

    bool known() const { return type != Type::Unknown; }
    bool operator==(const FileFingerprint&) const = default;
    // An unknown fingerprint (a journal of an earlier build) matches any entry.
    bool matches(const FileStatus& status) const;
};

FileFingerprint fingerprintOf(const FileStatus& status);

std::optional<FileStatus> lookUpFile(const std::string& path);

struct FolderEntry {
    std::string name;
    FileStatus status;
};

// The entries of one folder in the order the file system gives them, without "." and "..".
// Entries are looked up relative to the open folder, so a long walk does not resolve the whole
// path again for every file. The look-ups are most of a walk's time: they are made a few
// hundred at a time (up to a thousand while the folder answers quickly), the next batch on a
// second thread while the caller takes in the one before, both threads sharing what is left
// when it asks for more. An entry that vanishes before it is looked up is passed over; one that
// cannot be looked up for any other reason ends the listing as failed.
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
    struct ReadEntry {
        std::string name;
        FileStatus status;
        int error = 0;  // why it could not be looked up; 0 when it was
    };
    struct Batch {
        std::vector<ReadEntry> entries;
        bool last = false;                  // the end of the folder, or a failure, is in it
        bool readFailed = false;            // reading the folder itself failed there
        std::atomic<std::size_t> taken{0};  // entries given out to be looked up
        std::chrono::steady_clock::time_point readAt;
    };
    void nextBatch();
    void read(Batch& batch);
    void shareLookUps(Batch& batch);
    void lookUpShared(Batch& batch, int folder);
    void lookUpOneByOne(Batch& batch);
    void lookUp(Batch& batch, std::size_t from, std::size_t to, int folder);
    void fitBatchSize(const Batch& batch);

    DIR* folder_ = nullptr;
    int helperFolder_ = -1;  // the same folder, for the second thread's look-ups
    bool failed_ = false;
    int openError_ = 0;
    std::string path_;  // kept only while faults are injected
    // The batch next() hands out from, and the one read ahead of it.
    Batch batches_[2];
    int current_ = 0;
    std::size_t handedOut_ = 0;
    // Enough entries that the second thread pays for waking it, few enough that a caller that
    // checks for an abort after every entry still does so often on a slow network share.
    static constexpr std::size_t kFirstBatch = 256;
    std::size_t batchSize_ = kFirstBatch;
    bool readAhead_ = false;
    bool ended_ = false;  // next() gives nothing more
    SideJob lookUps_;     // of the batch read ahead
};

// Asks wanted(name, inode) of the entries of a folder, for confirming many files at once, and
// gives found(name, status) for each entry it wanted: one read of the folder and a look-up
// relative to it cost a fraction of looking each file up by its path. Gives the folder's
// device, or nothing when the folder cannot be read whole or holds more than atMost entries;
// the caller then looks its files up one by one. The inode of a mount point is the one below
// it.
std::optional<std::uint64_t> listFolderInodes(
    const std::string& folder, std::size_t atMost,
    const std::function<bool(std::string_view name, std::uint64_t inode)>& wanted,
    const std::function<void(std::string_view name, const FileStatus& status)>& found);

// Why a call on a file failed, in the terms the user is told.
enum class FileError {
    None,
    Exists,
    AccessDenied,
    NotFound,
    Busy,
    NameTooLong,
    ReadOnly,
    NoSpace,
    InvalidName,
    Replaced,     // another file now bears the name
    Unsupported,  // the file system lacks the kind of call asked for
    Other,
};

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
// True when the file system of the folder takes names differing only in letter case as one
// name (FAT, exFAT, SMB shares, ext4 folders with case folding).
bool folderFoldsCase(const std::string& folder);
// How that is told for a file system that says nothing of it itself (FUSE, network ones):
// by looking a few names up under their other letter case.
bool foldsCaseByLooking(const std::string& folder);
// Removes one of two or more names of a file: only when the entry still is that file and
// the file keeps another name, so no content is ever lost.
bool removeExtraName(const std::string& path, const FileIdentity& identity);
// Removes an empty file or folder that a rename where the file system lacks both no-replace
// renames and links put under the new name to hold it, and a kill left there: only an empty
// regular file or an empty folder, last changed at or after madeSince (seconds since the
// epoch). False when the entry is anything else or stays.
bool removePlaceholder(const std::string& path, std::int64_t madeSince);
// Writes all the bytes to the descriptor, going on after an interrupted call; false when the
// system refuses the rest.
bool writeAll(int descriptor, std::string_view bytes);
// A short hidden name, unique within this process, for a file on its way to its new name.
std::string temporaryName();

// Creates the folder and every missing folder above it. False when it cannot be made (or a
// file stands in its place).
bool createFolders(const std::string& path);

// The folder of the running program, without a trailing separator.
std::string executableFolder();

}  // namespace vartel

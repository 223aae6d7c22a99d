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

#include "platform/file_system.h"
#include "platform/folder_names.h"
#include "platform/side_by_side.h"

namespace vartel {

struct FolderEntry {
    std::string_view name;  // lives as long as the listing
    FileStatus status;
};

// The entries of one folder in name order (see FolderNames), without "." and "..". The names
// are read first; each entry is then looked up relative to the open folder, so a long walk does
// not resolve the whole path again for every file. The look-ups are most of a walk's time: they
// are made a few hundred at a time (up to a thousand while the folder answers quickly), the next
// batch on a second thread while the caller takes in the one before, both threads sharing what
// is left when it asks for more. An entry that vanishes before it is looked up is passed over;
// one that cannot be looked up for any other reason ends the listing as failed, as does a
// folder that could not be read whole, after the entries read.
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
        std::string_view name;  // followed by a NUL
        FileStatus status;
        int error = 0;  // why it could not be looked up; 0 when it was
    };
    struct Batch {
        std::vector<ReadEntry> entries;
        bool last = false;                  // the end of the folder, or a failure, is in it
        bool readFailed = false;            // the folder could not be read whole
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
    FolderNames names_;
    std::size_t namesTaken_ = 0;  // into batches
    bool readWhole_ = true;
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
    bool ended_ = false;         // next() gives nothing more
    JobOnHelperThread lookUps_;  // of the batch read ahead
};

// The names of a folder's entries that are not folders (symbolic links included), in the
// listing's order, as far as the folder could be read: the files a user can pick from it.
std::vector<std::string> fileNamesIn(const std::string& folder);

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

}  // namespace vartel

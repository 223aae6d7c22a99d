#include "platform/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "platform/file_calls.h"

namespace vartel {

FolderListing::FolderListing(const std::string& path) {
    if (holdsNul(path)) {
        openError_ = EINVAL;
        return;
    }
    if (installedFaultInjector != nullptr) {
        if (failsOnPurpose(FileCall::OpenFolder, path, {})) {
            openError_ = errno;
            return;
        }
        path_ = path;
    }
    folder_ = ::opendir(path.c_str());
    if (folder_ == nullptr) {
        openError_ = errno;
        return;
    }
    // The second thread looks entries up through a descriptor of its own: one shared by both
    // would have its count bounced between the two processors on every look-up.
    helperFolder_ = ::openat(::dirfd(folder_), ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (helperFolder_ < 0) helperFolder_ = ::dirfd(folder_);
    readWhole_ = names_.readFrom(folder_);
}

FolderListing::~FolderListing() {
    lookUps_.finish();  // it reads the folder
    if (folder_ != nullptr && helperFolder_ != ::dirfd(folder_)) ::close(helperFolder_);
    if (folder_ != nullptr) ::closedir(folder_);
}

std::optional<FolderEntry> FolderListing::next() {
    if (folder_ == nullptr) return std::nullopt;
    while (!ended_) {
        Batch& batch = batches_[current_];
        if (handedOut_ == batch.entries.size()) {
            if (batch.last) {
                failed_ = batch.readFailed;
                ended_ = true;
            } else {
                nextBatch();
            }
            continue;
        }
        ReadEntry& entry = batch.entries[handedOut_++];
        // An entry removed since the folder was read is simply gone; any other failure means
        // the listing can no longer be trusted to be whole.
        if (entry.error == ENOENT) continue;
        if (entry.error != 0) {
            failed_ = ended_ = true;
            break;
        }
        return FolderEntry{entry.name, entry.status};
    }
    return std::nullopt;
}

void FolderListing::nextBatch() {
    Batch& coming = batches_[1 - current_];
    if (!readAhead_) {
        read(coming);
        if (installedFaultInjector != nullptr) {
            lookUpOneByOne(coming);
        } else {
            shareLookUps(coming);
        }
    }
    lookUpShared(coming, ::dirfd(folder_));
    lookUps_.finish();
    fitBatchSize(coming);
    current_ = 1 - current_;
    handedOut_ = 0;
    // While the caller takes in this batch, the next one is looked up on the second thread.
    readAhead_ = !batches_[current_].last && installedFaultInjector == nullptr;
    if (readAhead_) {
        Batch& ahead = batches_[1 - current_];
        read(ahead);
        shareLookUps(ahead);
    }
}

void FolderListing::fitBatchSize(const Batch& batch) {
    // Every batch costs a hand-over between the two threads, as much as several dozen look-ups
    // on a local disk: a folder whose batches come quickly is read in larger ones. One that
    // slows down (a part no longer cached, a share) goes back to small ones at once, since the
    // caller waits for a whole batch; so does a caller that takes its time over each entry. The
    // injector's counts stay the same from run to run.
    constexpr std::size_t kLargestBatch = 1024;
    constexpr auto kQuick = std::chrono::milliseconds(2);
    if (installedFaultInjector != nullptr) return;
    if (std::chrono::steady_clock::now() - batch.readAt >= kQuick) {
        batchSize_ = kFirstBatch;
    } else if (batchSize_ < kLargestBatch && batch.entries.size() == batchSize_) {
        batchSize_ *= 2;
    }
}

void FolderListing::shareLookUps(Batch& batch) {
    // A few entries are looked up sooner than the second thread is woken.
    constexpr std::size_t kWorthSharing = 32;
    if (batch.entries.size() >= kWorthSharing) {
        lookUps_.start([this, &batch] { lookUpShared(batch, helperFolder_); });
    }
}

void FolderListing::read(Batch& batch) {
    batch.entries.clear();
    batch.taken = 0;
    batch.readAt = std::chrono::steady_clock::now();
    const std::size_t end = std::min(names_.size(), namesTaken_ + batchSize_);
    for (; namesTaken_ < end; ++namesTaken_) {
        batch.entries.push_back({names_[namesTaken_], {}, 0});
    }
    batch.last = namesTaken_ == names_.size();
    batch.readFailed = batch.last && !readWhole_;
}

// Called on both threads at once: each takes the next few entries until none is left.
void FolderListing::lookUpShared(Batch& batch, int folder) {
    constexpr std::size_t kTaken = 16;
    const std::size_t count = batch.entries.size();
    for (;;) {
        const std::size_t from = batch.taken.fetch_add(kTaken);
        if (from >= count) return;
        lookUp(batch, from, std::min(count, from + kTaken), folder);
    }
}

// One entry after another, as an injector counts them, and none after a failure.
void FolderListing::lookUpOneByOne(Batch& batch) {
    for (std::size_t i = 0; i < batch.entries.size(); ++i) {
        ReadEntry& entry = batch.entries[i];
        if (failsOnPurpose(FileCall::ReadEntry, path_, std::string(entry.name))) {
            entry.error = errno;
        } else {
            lookUp(batch, i, i + 1, ::dirfd(folder_));
        }
        if (entry.error != 0 && entry.error != ENOENT) {
            batch.entries.resize(i + 1);
            batch.last = true;
            break;
        }
    }
    batch.taken = batch.entries.size();
}

void FolderListing::lookUp(Batch& batch, std::size_t from, std::size_t to, int folder) {
    for (std::size_t i = from; i < to; ++i) {
        ReadEntry& entry = batch.entries[i];
        struct stat info {};
        if (::fstatat(folder, entry.name.data(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
            entry.status = statusOf(info);
        } else {
            entry.error = errno;
        }
    }
}

std::vector<std::string> fileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    FolderListing listing(folder);
    while (auto entry = listing.next()) {
        if (!entry->status.isFolder) names.emplace_back(entry->name);
    }
    return names;
}

std::optional<std::uint64_t> listFolderInodes(
    const std::string& folder, std::size_t atMost,
    const std::function<bool(std::string_view name, std::uint64_t inode)>& wanted,
    const std::function<void(std::string_view name, const FileStatus& status)>& found) {
    if (holdsNul(folder)) return std::nullopt;
    if (installedFaultInjector != nullptr && failsOnPurpose(FileCall::OpenFolder, folder, {})) {
        return std::nullopt;
    }
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return std::nullopt;
    struct stat info {};
    bool whole = ::fstat(::dirfd(listing), &info) == 0;
    std::size_t count = 0;
    while (whole) {
        errno = 0;
        const dirent* entry = ::readdir(listing);
        if (entry == nullptr) {
            whole = errno == 0;
            break;
        }
        if (++count > atMost) {
            whole = false;
        } else if (wanted(entry->d_name, entry->d_ino)) {
            struct stat entryInfo {};
            // An entry gone meanwhile is simply not found.
            if (::fstatat(::dirfd(listing), entry->d_name, &entryInfo, AT_SYMLINK_NOFOLLOW) == 0)
                found(entry->d_name, statusOf(entryInfo));
        }
    }
    ::closedir(listing);
    if (!whole) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_dev);
}

}  // namespace vartel

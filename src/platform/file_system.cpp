#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "platform/fault_injection.h"

namespace vartel {

// Where a call finds its two entries: both relative to one folder's descriptor, or both as
// paths (folder AT_FDCWD). Injected faults always see the whole paths.
struct CallEntries {
    int folder;
    const char* from;
    const char* to;
};

namespace {

FaultInjector* faultInjector = nullptr;

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

CallEntries byPath(const std::string& from, const std::string& to) {
    return {AT_FDCWD, from.c_str(), to.c_str()};
}

int renameNoReplace(const std::string& from, const std::string& to, CallEntries at) {
    if (faultInjector != nullptr && failsOnPurpose(FileCall::Rename, from, to)) return -1;
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

// File systems that compare names without regard to letter case in every folder.
bool foldsCaseEverywhere(long type) {
    constexpr long kExfat = 0x2011BAB0;
    constexpr long kCifs = static_cast<long>(0xFF534D42);
    constexpr long kSmb2 = static_cast<long>(0xFE534D42);
    return type == MSDOS_SUPER_MAGIC || type == kExfat || type == kCifs || type == kSmb2 ||
           type == SMB_SUPER_MAGIC;
}

// File systems that keep letter case apart, but for folders flagged to fold it. NFS is taken
// as one too: its servers nearly always do, and looking costs a round trip per folder each
// time a preview is planned.
bool keepsCaseApart(long type) {
    constexpr long kF2fs = static_cast<long>(0xF2F52010);
    return type == EXT4_SUPER_MAGIC || type == XFS_SUPER_MAGIC || type == BTRFS_SUPER_MAGIC ||
           type == TMPFS_MAGIC || type == kF2fs || type == OVERLAYFS_SUPER_MAGIC ||
           type == NFS_SUPER_MAGIC;
}

// The system would read such a path only up to the NUL, which names another entry: a folder
// walk would then list an ancestor again and again.
bool holdsNul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

}  // namespace

bool failsOnPurpose(FileCall call, const std::string& path, const std::string& other) {
    if (faultInjector == nullptr) return false;
    const int error = faultInjector->failure(call, path, other);
    if (error == 0) return false;
    errno = error;
    return true;
}

FaultInjector* installFaultInjector(FaultInjector* injector) {
    FaultInjector* const before = faultInjector;
    faultInjector = injector;
    return before;
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

bool faultsInjected() {
    return faultInjector != nullptr;
}

std::optional<FileStatus> lookUpFile(const std::string& path) {
    if (faultInjector != nullptr && failsOnPurpose(FileCall::LookUp, path, {})) {
        return std::nullopt;
    }
    struct stat info {};
    if (holdsNul(path) || ::lstat(path.c_str(), &info) != 0) return std::nullopt;
    return statusOf(info);
}

FolderListing::FolderListing(const std::string& path) {
    if (holdsNul(path)) {
        openError_ = EINVAL;
        return;
    }
    if (faultInjector != nullptr) {
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
}

FolderListing::~FolderListing() {
    lookUps_.finish();  // it reads the folder
    if (folder_ != nullptr && helperFolder_ != ::dirfd(folder_)) ::close(helperFolder_);
    if (folder_ != nullptr) ::closedir(folder_);
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

std::optional<std::uint64_t> listFolderInodes(
    const std::string& folder, std::size_t atMost,
    const std::function<bool(std::string_view name, std::uint64_t inode)>& wanted,
    const std::function<void(std::string_view name, const FileStatus& status)>& found) {
    if (holdsNul(folder)) return std::nullopt;
    if (faultInjector != nullptr && failsOnPurpose(FileCall::OpenFolder, folder, {})) {
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
        return FolderEntry{std::move(entry.name), entry.status};
    }
    return std::nullopt;
}

void FolderListing::nextBatch() {
    Batch& coming = batches_[1 - current_];
    if (!readAhead_) {
        read(coming);
        if (faultInjector != nullptr) {
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
    readAhead_ = !batches_[current_].last && faultInjector == nullptr;
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
    if (faultInjector != nullptr) return;
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
    while (batch.entries.size() < batchSize_) {
        errno = 0;
        const dirent* entry = ::readdir(folder_);
        if (entry == nullptr) {
            batch.readFailed = errno != 0;
            batch.last = true;
            return;
        }
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        batch.entries.push_back({name, {}, 0});
    }
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
        if (failsOnPurpose(FileCall::ReadEntry, path_, entry.name)) {
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
        if (::fstatat(folder, entry.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
            entry.status = statusOf(info);
        } else {
            entry.error = errno;
        }
    }
}

namespace {

FileError renameAt(const std::string& from, const std::string& to, CallEntries at) {
    if (holdsNul(from) || holdsNul(to)) return FileError::InvalidName;
    if (renameOnce(from, to, at)) return FileError::None;
    // EINVAL here is the system refusing the name itself, since the fallback was tried.
    return errno == EINVAL ? FileError::InvalidName : fileErrorOf(errno);
}

FileError exchangeAt(const std::string& a, const std::string& b, CallEntries at) {
    if (holdsNul(a) || holdsNul(b)) return FileError::InvalidName;
    if (faultInjector != nullptr && failsOnPurpose(FileCall::Exchange, a, b)) {
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

bool folderFoldsCase(const std::string& folder) {
    if (faultInjector != nullptr) {
        if (const auto simulated = faultInjector->foldsCase(folder)) return *simulated;
    }
    if (holdsNul(folder)) return false;
    struct statfs info {};
    const bool known = ::statfs(folder.c_str(), &info) == 0;
    if (known && foldsCaseEverywhere(info.f_type)) return true;
    // ext4, f2fs and tmpfs fold case per folder, as a flag of the folder itself.
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return false;
    long flags = 0;
    const bool folds = (::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0 &&
                        (flags & static_cast<long>(FS_CASEFOLD_FL)) != 0) ||
                       (known && !keepsCaseApart(info.f_type) && foldsCaseByLooking(folder));
    ::close(descriptor);
    return folds;
}

// A name found under its other letter case, which the folder does not list, is found by
// folding. Only the first few hundred entries are read, since the planner asks once per folder
// and network folders are slow to read: mistaking a folder either way only blocks renames,
// never replaces.
bool foldsCaseByLooking(const std::string& folderPath) {
    constexpr std::size_t kEntriesRead = 256;
    constexpr int kNamesTried = 8;
    if (holdsNul(folderPath)) return false;
    DIR* listing = ::opendir(folderPath.c_str());
    if (listing == nullptr) return false;
    const int folder = ::dirfd(listing);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
        if (names.size() == kEntriesRead) break;
    }
    std::sort(names.begin(), names.end());
    int tried = 0;
    bool folds = false;
    for (const auto& name : names) {
        std::string other = name;
        for (char& c : other) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        if (other == name || std::binary_search(names.begin(), names.end(), other)) continue;
        struct stat info {};
        folds = ::fstatat(folder, other.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
        if (folds || errno == ENOENT || ++tried == kNamesTried) break;
    }
    ::closedir(listing);
    return folds;
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

bool createFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (!folder.empty() && ::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return false;
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

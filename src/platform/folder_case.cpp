#include "platform/folder_case.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <vector>

#include "platform/file_calls.h"

namespace vartel {

namespace {

// File systems that compare names without regard to letter case in every folder.
bool foldsCaseEverywhere(long type) {
    constexpr long kExfat = 0x2011BAB0;
    constexpr long kCifs = static_cast<long>(0xFF534D42);
    constexpr long kSmb2 = static_cast<long>(0xFE534D42);
    return type == MSDOS_SUPER_MAGIC || type == kExfat || type == kCifs || type == kSmb2 ||
           type == SMB_SUPER_MAGIC;
}

}  // namespace

// File systems that keep letter case apart, but for folders flagged to fold it. NFS is taken
// as one too: its servers nearly always do, and looking costs a round trip per folder each
// time a preview is planned.
bool keepsCaseApart(long type) {
    constexpr long kF2fs = static_cast<long>(0xF2F52010);
    return type == EXT4_SUPER_MAGIC || type == XFS_SUPER_MAGIC || type == BTRFS_SUPER_MAGIC ||
           type == TMPFS_MAGIC || type == kF2fs || type == OVERLAYFS_SUPER_MAGIC ||
           type == NFS_SUPER_MAGIC;
}

bool folderFoldsCase(const std::string& folder) {
    if (installedFaultInjector != nullptr) {
        if (const auto simulated = installedFaultInjector->foldsCase(folder)) return *simulated;
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

}  // namespace vartel

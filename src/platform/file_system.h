#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// Writes all the bytes to the descriptor, going on after an interrupted call; false when the
// system refuses the rest.
bool writeAll(int descriptor, std::string_view bytes);

// Creates the folder and every missing folder above it, with this mode before the umask. False
// when it cannot be made (or a file stands in its place).
bool createFolders(const std::string& path, unsigned mode = 0777);

// The folder of the running program, without a trailing separator.
std::string executableFolder();

}  // namespace vartel

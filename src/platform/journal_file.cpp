#include "platform/journal_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <span>
#include <string_view>

#include "platform/fault_injection.h"
#include "platform/file_system.h"
#include "platform/program_files.h"
#include "platform/rename_calls.h"
#include "platform/side_by_side.h"

namespace vartel {
namespace {

constexpr auto kSyncInterval = std::chrono::milliseconds(500);
constexpr std::size_t kBlockSize = 64 * 1024;
constexpr std::size_t kChecksumLength = 8;

constexpr std::uint32_t kChecksumStart = 2166136261u;

// The letters after a backslash that stand for the bytes a field may not hold as themselves; a
// backslash stands for itself.
constexpr char kEscape = '\\';
constexpr char kTabLetter = 't';
constexpr char kLineFeedLetter = 'n';
constexpr char kReturnLetter = 'r';

constexpr std::uint32_t checksumStep(std::uint32_t hash, char c) {
    return (hash ^ static_cast<unsigned char>(c)) * 16777619u;
}

std::uint32_t checksumOf(std::string_view bytes) {
    std::uint32_t hash = kChecksumStart;
    for (const char c : bytes) hash = checksumStep(hash, c);
    return hash;
}

// Eight lower-case hex digits, written without a format call since every record has one.
void writeHex(std::uint32_t value, char* out) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    for (std::size_t i = kChecksumLength; i-- > 0; value >>= 4) out[i] = kDigits[value & 0xf];
}

// The fields of one line into record, reusing its texts; false when the line fails its
// checksum.
bool decodeLine(std::string_view line, JournalRecord& record) {
    if (line.size() <= kChecksumLength || line[kChecksumLength] != ' ') return false;
    const std::string_view payload = line.substr(kChecksumLength + 1);
    char checksum[kChecksumLength];
    writeHex(checksumOf(payload), checksum);
    if (line.substr(0, kChecksumLength) != std::string_view(checksum, kChecksumLength)) {
        return false;
    }
    std::size_t fields = 0;
    const auto nextField = [&]() -> std::string& {
        if (fields == record.size()) record.emplace_back();
        std::string& field = record[fields++];
        field.clear();
        return field;
    };
    std::string* field = &nextField();
    for (std::size_t i = 0; i < payload.size(); ++i) {
        const char c = payload[i];
        if (c == '\t') {
            field = &nextField();
        } else if (c != kEscape) {
            // Fields seldom hold an escape, so they go in by runs.
            const std::size_t runEnd = std::min(payload.find_first_of("\t\\", i), payload.size());
            field->append(payload.substr(i, runEnd - i));
            i = runEnd - 1;
        } else if (++i < payload.size()) {
            const char escaped = payload[i];
            *field += escaped == kTabLetter        ? '\t'
                      : escaped == kLineFeedLetter ? '\n'
                      : escaped == kReturnLetter   ? '\r'
                                                   : escaped;
        }
    }
    record.resize(fields);
    return true;
}

bool makeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// The escape letter of each byte that must not appear as itself in a field, else 0.
constexpr std::array<char, 256> kEscapes = [] {
    std::array<char, 256> escapes{};
    escapes[static_cast<unsigned char>(kEscape)] = kEscape;
    escapes['\t'] = kTabLetter;
    escapes['\n'] = kLineFeedLetter;
    escapes['\r'] = kReturnLetter;
    return escapes;
}();

// The record as one line at the end of out. Bytes are escaped, copied and summed in one pass
// into room taken for the worst case, since a batch writes several records per file.
void appendJournalLine(std::string& out, std::span<const std::string_view> fields) {
    std::size_t most = kChecksumLength + 1 + fields.size();  // the separators and line break
    for (const std::string_view field : fields) most += 2 * field.size();
    const std::size_t lineStart = out.size();
    out.resize(lineStart + most);
    char* const line = out.data() + lineStart;
    char* at = line + kChecksumLength;
    *at++ = ' ';
    std::uint32_t hash = kChecksumStart;
    const auto put = [&](char c) {
        *at++ = c;
        hash = checksumStep(hash, c);
    };
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0) put('\t');
        for (const char c : fields[f]) {
            const char escape = kEscapes[static_cast<unsigned char>(c)];
            if (escape == 0) {
                put(c);
            } else {
                put(kEscape);
                put(escape);
            }
        }
    }
    writeHex(hash, line);
    *at++ = '\n';
    out.resize(static_cast<std::size_t>(at - out.data()));
}

}  // namespace

std::string encodeJournalRecord(const JournalRecord& record) {
    const std::vector<std::string_view> fields(record.begin(), record.end());
    std::string line;
    appendJournalLine(line, fields);
    return line;
}

bool JournalReader::next(JournalRecord& record) {
    while (start_ < bytes_.size()) {
        const std::size_t end = bytes_.find('\n', start_);
        if (end == std::string_view::npos) return false;  // an append cut short
        const std::string_view line = bytes_.substr(start_, end - start_);
        start_ = end + 1;
        if (decodeLine(line, record)) return true;
        if (start_ < bytes_.size()) ++damagedLines_;
    }
    return false;
}

JournalContents decodeJournal(std::string_view bytes) {
    JournalContents contents;
    JournalReader reader(bytes);
    JournalRecord record;
    while (reader.next(record)) contents.records.push_back(record);
    contents.damaged = reader.damaged();
    return contents;
}

std::optional<std::string> journalFolder() {
    const std::string state = userStateHome();
    if (state.empty()) return std::nullopt;
    // Private at every level it makes: the journals tell which files were where.
    const std::string folder = state + "/vartel";
    if (!createFolders(folder, 0700)) return std::nullopt;
    return folder;
}

namespace {

// The one way a journal's data reaches the disk, which tests can make fail.
bool syncData(int descriptor) {
    if (failsOnPurpose(FileCall::Sync, {}, {})) return false;
    return ::fdatasync(descriptor) == 0;
}

}  // namespace

JournalWriter::JournalWriter(int descriptor)
    : descriptor_(descriptor), lastSync_(CoarseSteadyClock::now()) {}

std::optional<JournalWriter> JournalWriter::create(const std::string& path) {
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
    if (descriptor < 0) return std::nullopt;
    ::flock(descriptor, LOCK_EX);
    JournalWriter writer(descriptor);
    writer.unsyncedFolder_ = path.substr(0, path.rfind('/') + 1);
    return writer;
}

std::optional<JournalWriter> JournalWriter::openToAppend(const std::string& path) {
    // Never held by a FIFO put in the journal's place.
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (descriptor < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(descriptor);
        return std::nullopt;
    }
    return JournalWriter(descriptor);
}

JournalWriter::JournalWriter(JournalWriter&& other) noexcept
    : descriptor_(other.descriptor_),
      lastSync_(other.lastSync_),
      pending_(std::move(other.pending_)),
      unsyncedFolder_(std::move(other.unsyncedFolder_)),
      writeFailed_(other.writeFailed_) {
    other.descriptor_ = -1;
}

JournalWriter& JournalWriter::operator=(JournalWriter&& other) noexcept {
    std::swap(descriptor_, other.descriptor_);
    std::swap(lastSync_, other.lastSync_);
    std::swap(pending_, other.pending_);
    std::swap(unsyncedFolder_, other.unsyncedFolder_);
    std::swap(writeFailed_, other.writeFailed_);
    return *this;
}

JournalWriter::~JournalWriter() {
    if (descriptor_ < 0) return;
    writePending();
    ::close(descriptor_);
}

bool JournalWriter::writePending() {
    std::size_t written = 0;
    while (written < pending_.size() && !writeFailed_) {
        const ssize_t n =
            ::write(descriptor_, pending_.data() + written, pending_.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) writeFailed_ = true;
        if (n > 0) written += static_cast<std::size_t>(n);
    }
    pending_.clear();
    return !writeFailed_;
}

bool JournalWriter::append(std::initializer_list<std::string_view> fields) {
    appendJournalLine(pending_, std::span(fields.begin(), fields.size()));
    return pending_.size() < kBlockSize ? !writeFailed_ : writePending();
}

bool JournalWriter::reserve(std::int64_t bytes) {
    struct stat info {};
    if (!writePending() || ::fstat(descriptor_, &info) != 0) return false;
    if (::fallocate(descriptor_, FALLOC_FL_KEEP_SIZE, info.st_size, bytes) == 0) return true;
    return errno == EOPNOTSUPP || errno == ENOSYS;
}

bool JournalWriter::sync() {
    lastSync_ = CoarseSteadyClock::now();
    if (!writePending() || !syncData(descriptor_)) return false;
    // The folder must know of a new file before a rename relies on it. Synced after the file,
    // this costs little: most file systems have just written the new entry with the file.
    if (!unsyncedFolder_.empty()) {
        const int folder = ::open(unsyncedFolder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
        unsyncedFolder_.clear();
    }
    return true;
}

bool JournalWriter::sync(const Pace& pace) {
    if (!pace) return sync();
    // A thread of its own rather than the shared helper, which may still be freeing a batch
    // stopped a moment ago and would leave the wait to the caller's thread.
    bool synced = false;
    JobOnItsOwnThread syncing([&] { synced = sync(); });
    syncing.wait(pace);
    return synced;
}

bool JournalWriter::syncIfDue() {
    if (CoarseSteadyClock::now() - lastSync_ < kSyncInterval) return true;
    return sync();
}

bool journalInUse(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (descriptor < 0) return false;
    const bool inUse = ::flock(descriptor, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return inUse;
}

std::string readJournalTail(const std::string& path, std::size_t bytes) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (descriptor < 0) return {};
    struct stat info {};
    std::string tail;
    if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode)) {
        const auto size = static_cast<std::size_t>(info.st_size);
        const std::size_t start = size > bytes ? size - bytes : 0;
        tail.resize(size - start);
        const ssize_t n = ::pread(descriptor, tail.data(), tail.size(), static_cast<off_t>(start));
        tail.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        if (start > 0) {
            const auto lineStart = tail.find('\n');
            tail.erase(0, lineStart == std::string::npos ? tail.size() : lineStart + 1);
        }
    }
    ::close(descriptor);
    return tail;
}

std::string newJournalId() {
    static std::atomic<unsigned> counter{0};
    char id[64];
    std::snprintf(id, sizeof id, "%012lld-%d-%u", static_cast<long long>(currentSeconds()),
                  static_cast<int>(::getpid()), ++counter);
    return id;
}

std::vector<std::string> journalFileNames(const std::string& folder) {
    std::vector<std::string> names;
    // The entries' types, not a look-up of each: every start lists every journal kept.
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return names;
    constexpr std::string_view kEnding = ".journal";
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.size() <= kEnding.size() || !name.ends_with(kEnding)) continue;
        bool folder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            folder = ::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                     S_ISDIR(info.st_mode);
        }
        if (!folder) names.emplace_back(name);
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> readJournalFile(const std::string& path, std::int64_t limit) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0) return std::nullopt;
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= limit) {
        std::string read(static_cast<std::size_t>(info.st_size), '\0');
        std::size_t at = 0;
        while (at < read.size()) {
            const ssize_t n = ::read(descriptor, read.data() + at, read.size() - at);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            at += static_cast<std::size_t>(n);
        }
        read.resize(at);
        bytes = std::move(read);
    }
    ::close(descriptor);
    return bytes;
}

std::int64_t journalFileSize(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? static_cast<std::int64_t>(info.st_size) : 0;
}

bool syncJournalFile(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return false;
    const bool synced = syncData(descriptor);
    ::close(descriptor);
    return synced;
}

bool removeJournalFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool setJournalAside(const std::string& folder, const std::string& name) {
    const std::string aside = folder + "/damaged";
    if (!makeFolder(aside)) return false;
    return renameStep(folder + "/" + name, aside + "/" + name) == FileError::None;
}

std::int64_t currentSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace vartel

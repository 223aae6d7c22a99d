#include "platform/text_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>

#include "common/error.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/messages.h"

namespace vartel {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// Short, so that a temporary beside a name of the longest allowed length is still allowed.
constexpr const char* kTemporaryName = ".vt.XXXXXX";
// As the system allows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

Text describeFailure(const std::string& path, const Text& reason) {
    return textFromBytes(path) + U": " + reason;
}

Text describeFailure(const std::string& path, int error) {
    return describeFailure(path, textFromBytes(std::strerror(error)));
}

// Takes the bytes of the first line off `rest`; a last line without an end counts when not
// empty. The CR and LF bytes never occur inside a UTF-8 or code page 932 character, so
// splitting the bytes splits the text.
std::optional<std::string_view> takeLine(std::string_view& rest) {
    if (rest.empty()) return std::nullopt;
    const std::size_t end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) return std::exchange(rest, std::string_view());
    const std::string_view line = rest.substr(0, end);
    const bool crLf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    rest.remove_prefix(end + (crLf ? 2 : 1));
    return line;
}

// Calls `take` with the bytes of each line until it returns false.
template <typename Take>
void splitLines(std::string_view bytes, Take&& take) {
    while (const auto line = takeLine(bytes)) {
        if (!take(*line)) return;
    }
}

enum class Encoding { Utf8, CodePage932 };

bool allDecodeInCodePage932(std::string_view bytes) {
    bool decodes = true;
    splitLines(bytes, [&](std::string_view line) {
        decodes = decodeCodePage932Exactly(line).has_value();
        return decodes;
    });
    return decodes;
}

Encoding encodingOf(std::string_view bytes) {
    if (!isValidUtf8(bytes)) return Encoding::CodePage932;
    bool multibyte = false;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        // In valid UTF-8 only the first byte of a three- or four-byte sequence is this high.
        if (value >= 0xE0) return Encoding::Utf8;
        multibyte = multibyte || value >= 0x80;
    }
    return multibyte && allDecodeInCodePage932(bytes) ? Encoding::CodePage932 : Encoding::Utf8;
}

// The whole text of the lines, each followed by CR LF, handed on in pieces of whole lines:
// encoding a piece at a time gives the bytes of the whole, as neither encoding carries a state
// from one character to the next.
void eachPiece(const EachLine& eachLine, const std::function<void(const Text& piece)>& take) {
    constexpr std::size_t kPieceCharacters = std::size_t{1} << 16;
    Text piece;
    eachLine([&](std::u32string_view line) {
        piece.append(line).append(U"\r\n");
        if (piece.size() < kPieceCharacters) return;
        take(piece);
        piece.clear();
    });
    if (!piece.empty()) take(piece);
}

// Takes a UTF-8 mark off the bytes, and tells how the rest is encoded.
Encoding takeEncoding(std::string_view& bytes) {
    if (!bytes.starts_with(kUtf8Mark)) return encodingOf(bytes);
    bytes.remove_prefix(kUtf8Mark.size());
    return Encoding::Utf8;
}

Text decodeLine(std::string_view line, Encoding encoding) {
    return encoding == Encoding::Utf8 ? textFromBytes(line) : decodeCodePage932(line);
}

void decodeLines(std::string_view bytes, const std::function<bool(Text&&)>& take) {
    const Encoding encoding = takeEncoding(bytes);
    splitLines(bytes, [&](std::string_view line) { return take(decodeLine(line, encoding)); });
}

std::string readBytes(const std::string& path) {
    // Not blocking on open, so that a FIFO cannot hang the program before it is refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw VartelError(describeFailure(path, errno));
    const auto fail = [&](const Text& reason) {
        ::close(fd);
        throw VartelError(describeFailure(path, reason));
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0) fail(textFromBytes(std::strerror(errno)));
    if (!S_ISREG(info.st_mode)) fail(kNotARegularFile);
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxTextFileBytes) fail(kFileTooLarge);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(textFromBytes(std::strerror(errno)));
        }
        if (n == 0) break;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxTextFileBytes) fail(kFileTooLarge);
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a chain of symbolic links ends at (which need not exist yet), so that saving
// replaces the file and keeps the links.
std::string followLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) throw VartelError(describeFailure(path, errno));
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : folderOf(path) + target;
    }
    throw VartelError(describeFailure(path, ELOOP));
}

void syncFolder(const std::string& path) {
    const std::string folder = folderOf(path);
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw VartelError(describeFailure(path, errno));
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced) throw VartelError(describeFailure(path, error));
}

// Removes the temporary file on every way out but the one that renamed it over the target.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target) : path_(folderOf(target) + kTemporaryName) {
        fd_ = ::mkstemp(path_.data());
        if (fd_ < 0) throw VartelError(describeFailure(target, errno));
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    // Closes the file; the error number, or 0.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }
    void keep() { kept_ = true; }

  private:
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

void giveModeOf(int fd, const struct stat* existing) {
    if (existing == nullptr) {
        // mkstemp makes the file private; a new file should have the usual permissions.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        return;
    }
    // Only the superuser may give a file away; for anyone else the file stays theirs.
    if (::geteuid() == 0) ::fchown(fd, existing->st_uid, existing->st_gid);
    ::fchmod(fd, existing->st_mode & 07777);
}

void replaceThroughTemporary(const std::string& target, std::string_view bytes,
                             const struct stat* existing) {
    TemporaryFile temporary(target);
    giveModeOf(temporary.fd(), existing);
    int error = writeAll(temporary.fd(), bytes) && ::fsync(temporary.fd()) == 0 ? 0 : errno;
    const int closeError = temporary.close();
    if (error == 0) error = closeError;
    if (error != 0) throw VartelError(describeFailure(target, error));
    if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
        throw VartelError(describeFailure(target, errno));
    }
    temporary.keep();
    syncFolder(target);
}

// Space is reserved first, so a full disk refuses the save before any old byte is overwritten.
void writeInPlace(const std::string& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) throw VartelError(describeFailure(target, errno));
    int error = bytes.empty() ? 0 : ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
    if (error == EOPNOTSUPP || error == EINVAL) error = 0;
    if (error == 0) {
        const bool written = writeAll(fd, bytes) &&
                             ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
                             ::fsync(fd) == 0;
        if (!written) error = errno;
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) throw VartelError(describeFailure(target, error));
}

}  // namespace

std::vector<Text> decodeTextLines(std::string_view bytes) {
    std::vector<Text> lines;
    decodeLines(bytes, [&](Text&& line) {
        lines.push_back(std::move(line));
        return true;
    });
    return lines;
}

std::string encodeTextLines(const std::vector<Text>& lines) {
    return encodeTextLines([&](const std::function<void(std::u32string_view)>& line) {
        for (const auto& text : lines) line(text);
    });
}

std::string encodeTextLines(const EachLine& eachLine) {
    // Code page 932 when every character survives the trip there and back.
    std::string cp932;
    bool exact = true;
    eachPiece(eachLine, [&](const Text& piece) {
        if (!exact) return;
        const auto bytes = encodeCodePage932Exactly(piece);
        exact = bytes.has_value();
        if (exact) cp932 += *bytes;
    });
    // Code page 932 bytes that happen to form valid UTF-8 could be taken for UTF-8 by other
    // readers; such texts are written as UTF-8 with its mark instead.
    if (exact && isValidUtf8(cp932)) {
        std::string_view rest = cp932;
        eachPiece(eachLine, [&](const Text& piece) {
            const std::string bytes = bytesFromText(piece);
            exact = exact && rest.starts_with(bytes);
            if (exact) rest.remove_prefix(bytes.size());
        });
    }
    if (exact) return cp932;
    cp932 = std::string();  // given back before the UTF-8 bytes are made
    std::string utf8(kUtf8Mark);
    eachPiece(eachLine, [&](const Text& piece) { utf8 += bytesFromText(piece); });
    return utf8;
}

TextLineReader::TextLineReader(const std::string& path) : bytes_(readBytes(path)), rest_(bytes_) {
    utf8_ = takeEncoding(rest_) == Encoding::Utf8;
}

std::optional<Text> TextLineReader::next() {
    const auto line = takeLine(rest_);
    if (!line) return std::nullopt;
    return decodeLine(*line, utf8_ ? Encoding::Utf8 : Encoding::CodePage932);
}

void readTextLines(const std::string& path, const std::function<bool(Text&&)>& take) {
    TextLineReader lines(path);
    while (auto line = lines.next()) {
        if (!take(std::move(*line))) return;
    }
}

std::vector<Text> readTextFile(const std::string& path) {
    return decodeTextLines(readBytes(path));
}

void writeTextFile(const std::string& path, const std::vector<Text>& lines) {
    writeTextFile(path, [&](const std::function<void(std::u32string_view)>& line) {
        for (const auto& text : lines) line(text);
    });
}

void writeTextFile(const std::string& path, const EachLine& eachLine) {
    const std::string bytes = encodeTextLines(eachLine);
    const std::string target = followLinks(path);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) {
        if (errno != ENOENT) throw VartelError(describeFailure(target, errno));
        replaceThroughTemporary(target, bytes, nullptr);
        return;
    }
    if (!S_ISREG(existing.st_mode)) throw VartelError(describeFailure(target, kNotARegularFile));
    // The superuser may write anything, so the permissions themselves are asked as well.
    if ((existing.st_mode & 0222) == 0) throw VartelError(describeFailure(target, kReadOnlyFile));
    if (::access(target.c_str(), W_OK) != 0) throw VartelError(describeFailure(target, errno));
    if (existing.st_nlink > 1) {
        writeInPlace(target, bytes);
    } else {
        replaceThroughTemporary(target, bytes, &existing);
    }
}

}  // namespace vartel

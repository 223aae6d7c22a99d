#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/error.h"
#include "platform/code_page.h"

namespace vartel {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

Text describeFailure(const std::string& path, int error) {
    return textFromBytes(path) + U": " + textFromBytes(std::strerror(error));
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::vector<Text> decodeTextLines(std::string_view bytes) {
    Text text;
    if (bytes.starts_with(kUtf8Mark)) {
        text = textFromBytes(bytes.substr(kUtf8Mark.size()));
    } else if (isValidUtf8(bytes)) {
        text = textFromBytes(bytes);
    } else {
        text = decodeCodePage932(bytes);
    }
    std::vector<Text> lines;
    Text line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string encodeTextLines(const std::vector<Text>& lines) {
    Text whole;
    for (const auto& line : lines) {
        whole += line;
        whole += U"\r\n";
    }
    // Code page 932 bytes that happen to form valid UTF-8 (half-width katakana pairs such as
    // "ﾃｩ") would read back as other characters; such texts are written as UTF-8 instead.
    if (auto cp932 = encodeCodePage932Exactly(whole)) {
        if (!isValidUtf8(*cp932) || bytesFromText(whole) == *cp932) return *cp932;
    }
    return std::string(kUtf8Mark) + bytesFromText(whole);
}

std::vector<Text> readTextFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw VartelError(describeFailure(path, errno));
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            throw VartelError(describeFailure(path, error));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return decodeTextLines(bytes);
}

void writeTextFile(const std::string& path, const std::vector<Text>& lines) {
    const std::string bytes = encodeTextLines(lines);
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) throw VartelError(describeFailure(path, errno));
    // mkstemp makes the file private; a saved file should have the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temporary.c_str());
        throw VartelError(describeFailure(path, written ? errno : writeError));
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw VartelError(describeFailure(path, error));
    }
}

}  // namespace vartel

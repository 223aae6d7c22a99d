#include "platform/user_editor.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

extern char** environ;

namespace vartel {
namespace {

std::string editorCommand() {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return "vi";
}

// The file is the editor's last argument; the shell reads the command as the user wrote it.
bool runEditor(const std::string& path, std::string& problem) {
    const std::string script = editorCommand() + " \"$1\"";
    const char* arguments[] = {"sh", "-c", script.c_str(), "sh", path.c_str(), nullptr};
    pid_t child = 0;
    const int failed = posix_spawn(&child, "/bin/sh", nullptr, nullptr,
                                   const_cast<char* const*>(arguments), environ);
    if (failed != 0) {
        problem = std::strerror(failed);
        return false;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            problem = std::strerror(errno);
            return false;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
    problem = editorCommand() + ": exit status " +
              std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return false;
}

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::optional<std::vector<std::string>> editLines(const std::vector<std::string>& lines,
                                                  std::string& problem) {
    const char* folder = std::getenv("TMPDIR");
    std::string path = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                       "/vartel-names-XXXXXX.txt";
    const int descriptor = mkstemps(path.data(), 4);
    if (descriptor < 0) {
        problem = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes;
    for (const auto& line : lines) bytes += line + '\n';
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) break;
        done += static_cast<std::size_t>(wrote);
    }
    const bool written = done == bytes.size();
    close(descriptor);
    std::optional<std::vector<std::string>> edited;
    if (!written) {
        problem = path + ": " + std::strerror(errno);
    } else if (runEditor(path, problem)) {
        std::ifstream file(path, std::ios::binary);
        edited = splitLines(std::string(std::istreambuf_iterator<char>(file), {}));
    }
    unlink(path.c_str());
    return edited;
}

}  // namespace vartel

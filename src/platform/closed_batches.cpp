#include "platform/closed_batches.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "platform/journal_file.h"

namespace vartel {
namespace {

constexpr std::string_view kNoteName = "closed-batches";
// Far more than the ids of every journal kept; a larger note is taken as no note.
constexpr std::int64_t kLargestNote = 8 * 1024 * 1024;

std::string notePath(const std::string& folder) {
    return folder + "/" + std::string(kNoteName);
}

bool writeWhole(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(descriptor, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

void noteClosedBatch(const std::string& folder, const std::string& id) {
    const int descriptor = ::open(notePath(folder).c_str(),
                                  O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) return;
    // One write of a short line: appends of two programs never interleave within it. Begun
    // on a line of its own, in case the last note was cut short.
    writeWhole(descriptor, "\n" + id + "\n");
    ::close(descriptor);
}

std::unordered_set<std::string> closedBatchIds(const std::string& folder) {
    std::unordered_set<std::string> ids;
    const auto bytes = readJournalFile(notePath(folder), kLargestNote);
    if (!bytes) return ids;
    std::string_view rest = *bytes;
    // A last line without its end may be a note still being written.
    for (auto end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
        if (end > 0) ids.emplace(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    return ids;
}

void rewriteClosedBatchNote(const std::string& folder, const std::vector<std::string>& ids) {
    std::string bytes;
    for (const auto& id : ids) bytes.append(id).push_back('\n');
    const std::string fresh = notePath(folder) + ".new-" + std::to_string(::getpid());
    const int descriptor =
        ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) return;
    const bool written = writeWhole(descriptor, bytes);
    ::close(descriptor);
    // A batch noted meanwhile by another program may drop out of the note: it is then only
    // looked for in its journal.
    if (!written || std::rename(fresh.c_str(), notePath(folder).c_str()) != 0) {
        ::unlink(fresh.c_str());
    }
}

}  // namespace vartel

#include "platform/closed_batches.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "platform/file_system.h"
#include "platform/journal_file.h"

namespace vartel {
namespace {

constexpr std::string_view kNoteName = "closed-batches";
// Far more than the ids of every journal kept; a larger note is taken as no note.
constexpr std::int64_t kLargestNote = 8 * 1024 * 1024;

std::string notePath(const std::string& folder) {
    return folder + "/" + std::string(kNoteName);
}

// Opens a file of the note for writing, or gives -1 where that is not a regular file of its
// own: a FIFO put in its place would otherwise hold the program until something read it.
int openNoteFile(const std::string& path, int flags) {
    const int descriptor = ::open(
        path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | flags, 0600);
    if (descriptor < 0) return -1;
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

}  // namespace

void noteClosedBatch(const std::string& folder, const std::string& id) {
    const int descriptor = openNoteFile(notePath(folder), O_APPEND);
    if (descriptor < 0) return;
    // One write of a short line: appends of two programs never interleave within it. Begun
    // on a line of its own, in case the last note was cut short.
    writeAll(descriptor, "\n" + id + "\n");
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
    const int descriptor = openNoteFile(fresh, O_TRUNC);
    if (descriptor < 0) return;
    const bool written = writeAll(descriptor, bytes);
    ::close(descriptor);
    // A batch noted meanwhile by another program may drop out of the note: it is then only
    // looked for in its journal.
    if (!written || std::rename(fresh.c_str(), notePath(folder).c_str()) != 0) {
        ::unlink(fresh.c_str());
    }
}

}  // namespace vartel

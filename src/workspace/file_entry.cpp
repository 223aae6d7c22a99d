#include "workspace/file_entry.h"

#include <limits>

#include "common/integer_text.h"
#include "common/name_parts.h"
#include "workspace/messages.h"
#include "workspace/modified_time.h"

namespace vartel {

bool isFolderSizeText(const Text& size) {
    return size == kFolderSizeText;
}

FileEntry fileEntryAt(const Text& fullPath, const Text& size, const Text& modified) {
    FileEntry entry;
    entry.name = nameOfPath(fullPath);
    entry.size = size;
    // A folder name is never cut at a dot.
    if (!entry.isFolder()) entry.extension = extensionOf(entry.name);
    entry.modified = modified;
    entry.fullPath = fullPath;
    return entry;
}

FileEntry fileEntryOf(const Text& fullPath, const FileStatus& status) {
    FileEntry entry =
        fileEntryAt(fullPath, status.isFolder ? kFolderSizeText : sizeText(status.size),
                    modifiedText(localDateTimeOf(status.modifiedSeconds)));
    entry.identity = status.identity;
    return entry;
}

Text sizeText(std::int64_t bytes) {
    return formatInteger(bytes);
}

std::optional<std::int64_t> parseSizeText(const Text& text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == U'-';
    if (negative) ++at;
    if (at == text.size()) return std::nullopt;
    std::uint64_t value = 0;
    constexpr auto kLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    for (; at < text.size(); ++at) {
        if (text[at] < U'0' || text[at] > U'9') return std::nullopt;
        value = value * 10 + (text[at] - U'0');
        if (value > kLimit) return std::nullopt;
    }
    const auto signedValue = static_cast<std::int64_t>(value);
    return negative ? -signedValue : signedValue;
}

}  // namespace vartel

#include "workspace/rows/file_entry.h"

#include "common/integer_text.h"
#include "common/name_parts.h"
#include "workspace/rows/messages.h"
#include "workspace/rows/modified_time.h"

namespace vartel {

SharedFolder folderPartOf(const Text& fullPath, const SharedFolder& neighbour) {
    const auto slash = fullPath.rfind(kPathSeparator);
    const std::size_t length = slash == Text::npos ? 0 : slash + 1;
    const std::u32string_view folder(fullPath.data(), length);
    if (neighbour && *neighbour == folder) return neighbour;
    return std::make_shared<const Text>(folder);
}

const Text& folderText(const SharedFolder& folder) {
    static const Text kNone;
    return folder ? *folder : kNone;
}

Text FileFacts::sizeText() const {
    return isFolder() ? kFolderSizeText : vartel::sizeText(size);
}

Text FileFacts::modifiedText() const {
    return modified == 0 ? Text() : vartel::modifiedText(unpackedDateTime(modified));
}

FileFacts fileFactsOf(const FileStatus& status) {
    LocalTimeConverter times;
    return fileFactsOf(status, times);
}

FileFacts fileFactsOf(const FileStatus& status, LocalTimeConverter& times) {
    return {status.isFolder ? FileFacts::kFolder : status.size,
            packedDateTime(times.of(status.modifiedSeconds))};
}

Text FileEntry::extension() const {
    return name.substr(extensionStart());
}

std::size_t FileEntry::extensionStart() const {
    // A folder name is never cut at a dot.
    return isFolder() ? name.size() : vartel::extensionStart(name);
}

FileEntry fileEntryAt(const Text& fullPath, const FileFacts& facts, const SharedFolder& neighbour) {
    FileEntry entry;
    entry.folder = folderPartOf(fullPath, neighbour);
    entry.name = fullPath.substr(entry.folder->size());
    entry.facts = facts;
    return entry;
}

FileEntry fileEntryIn(const SharedFolder& folder, Text name, const FileStatus& status,
                      LocalTimeConverter& times) {
    FileEntry entry{folder, std::move(name), fileFactsOf(status, times)};
    entry.identity = status.identity;
    return entry;
}

FileEntry fileEntryOf(const Text& fullPath, const FileStatus& status,
                      const SharedFolder& neighbour) {
    FileEntry entry = fileEntryAt(fullPath, fileFactsOf(status), neighbour);
    entry.identity = status.identity;
    return entry;
}

Text sizeText(std::int64_t bytes) {
    return formatInteger(bytes);
}

}  // namespace vartel

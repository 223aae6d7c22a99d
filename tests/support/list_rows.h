#pragma once

#include "workspace/rows/file_entry.h"
#include "workspace/rows/history_entry.h"
#include "workspace/rows/modified_time.h"
#include "workspace/rows/preview_entry.h"

namespace vartel {

// Rows as the lists keep them, for tests that fill a list without files on disk.
inline FileEntry rowAt(const Text& fullPath, std::int64_t size = 1,
                       const LocalDateTime& modified = {2020, 1, 1}) {
    return fileEntryAt(fullPath, {size, packedDateTime(modified)});
}

inline PreviewEntry previewRowAt(const Text& fullPathBefore, const Text& newName) {
    const FileEntry row = rowAt(fullPathBefore);
    return {row.folder, row.name, newName, row.facts};
}

inline HistoryEntry historyRowAt(const Text& pathAfter, const Text& oldName) {
    const FileEntry row = rowAt(pathAfter);
    return {row.folder, oldName, row.name};
}

}  // namespace vartel

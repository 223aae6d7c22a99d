#pragma once

#include <cstdint>
#include <vector>

#include "common/text.h"
#include "platform/file_system.h"
#include "workspace/rows/failure_reason.h"
#include "workspace/rows/file_entry.h"

namespace vartel {

// A rename carried out, oldest first in the list.
struct HistoryEntry {
    SharedFolder folder;  // where the file was renamed, its last "/" included
    Text oldName;
    Text newName;
    bool checked = true;
    bool failed = false;  // drawn red; set when undoing it failed
    bool selected = false;
    FileIdentity identity{};        // of the renamed file
    FileFingerprint fingerprint{};  // of the renamed file, as the batch found it
    FailureReason failureReason{};  // why undoing it failed, as the user is told
    // The journal's batch that made the rename, by its place in the workspace's table.
    static constexpr std::uint32_t kNoBatch = static_cast<std::uint32_t>(-1);
    std::uint32_t batch = kNoBatch;

    Text pathAfter() const { return folderText(folder) + newName; }
};

using HistoryList = std::vector<HistoryEntry>;

}  // namespace vartel

#pragma once

#include <vector>

#include "common/text.h"
#include "platform/file_system.h"

namespace vartel {

// A rename carried out, oldest first in the list.
struct HistoryEntry {
    Text oldName;
    Text newName;
    Text pathAfter;
    bool checked = true;
    bool failed = false;  // drawn red; set when undoing it failed
    bool selected = false;
    FileIdentity identity{};  // of the renamed file
    Text failureReason{};     // why undoing it failed, as the user is told
};

using HistoryList = std::vector<HistoryEntry>;

}  // namespace vartel

#pragma once

#include <vector>

#include "common/text.h"

namespace vartel {

// A rename carried out, oldest first in the list.
struct HistoryEntry {
    Text oldName;
    Text newName;
    Text pathAfter;
    bool checked = true;
    bool failed = false;  // drawn red; set when undoing it failed
    bool selected = false;
};

using HistoryList = std::vector<HistoryEntry>;

}  // namespace vartel

#pragma once

#include <optional>

#include "workspace/rename_journal.h"

namespace vartel::cli {

// The user's journal, pruned as every start prunes it; nothing (after saying why) when the
// state folder cannot be made. Damaged journals found are reported on standard error.
std::optional<RenameJournal> openJournal();
// True (after saying how to recover) when a batch was cut short and not yet recovered.
bool refuseWhileUnfinished(RenameJournal& journal);

}  // namespace vartel::cli

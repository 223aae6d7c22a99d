#pragma once

#include <optional>

#include "workspace/journal/rename_journal.h"

namespace vartel::cli {

// The user's journal, pruned as every start prunes it; nothing (after saying why) when the
// state folder cannot be made.
std::optional<RenameJournal> openJournal();
// Names on standard error the damaged journals set aside since the count of those already
// named, and moves the count on; called after every read of the journal, so that a journal
// set aside is always told of.
void reportDamaged(const RenameJournal& journal, std::size_t& reported);
// True (after saying how to recover) when a batch was cut short and not yet recovered.
// Damaged journals found on the way are named as reportDamaged names them.
bool refuseWhileUnfinished(RenameJournal& journal, std::size_t& damagedReported);

}  // namespace vartel::cli

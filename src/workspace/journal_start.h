#pragma once

#include <optional>
#include <vector>

#include "common/dialogs.h"
#include "workspace/rename_journal.h"

namespace vartel {

// The user's journal as every start of the window opens it: pruned, and each damaged journal
// found reported. Nothing, after saying that the window goes on without one, when the state
// folder cannot be made.
std::optional<RenameJournal> openJournalAtStart(Dialogs& dialogs);

// Batches cut short by a crash or a kill: asks once, with the count of their files, whether to
// finish them or to put back what they did, does it and shows the outcome. Damaged journals
// found on the way are reported, counted in reported as reportDamagedJournals does.
void recoverUnfinishedBatches(RenameJournal& journal, Dialogs& dialogs, std::size_t& reported);

// What to tell of the damaged journals the journal set aside since the count of those
// already told, one message each; moves the count on.
std::vector<Text> newDamagedJournalMessages(const RenameJournal& journal, std::size_t& reported);

// Reports those messages as errors.
void reportDamagedJournals(const RenameJournal& journal, Dialogs& dialogs, std::size_t& reported);

}  // namespace vartel

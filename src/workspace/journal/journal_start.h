#pragma once

#include <optional>
#include <vector>

#include "common/dialogs.h"
#include "workspace/journal/rename_journal.h"

namespace vartel {

// The user's journal as every start of the window opens it: pruned, and each damaged journal
// found reported. Nothing, after saying that the window goes on without one, when the state
// folder cannot be made.
std::optional<RenameJournal> openJournalAtStart(Dialogs& dialogs);

// What recovering batches did: the files not brought back, of them those whose batches stay
// open, and each file left with why.
struct RecoveryOutcome {
    int errors = 0;
    int leftOpen = 0;
    std::vector<RenameJournal::LeftBehind> left;
};
RecoveryOutcome recoverBatches(RenameJournal& journal, const std::vector<JournalBatch>& batches,
                               bool finish);

// Batches cut short by a crash or a kill: asks once, with the count of their files, whether to
// finish them, to put back what they did, or to decide later; does it and shows the outcome.
// Later touches nothing. Tells whether a batch is still open afterwards: left for later, or
// a recovery that could not bring every file back. Damaged journals found on the way are
// reported, counted in reported as reportDamagedJournals does.
bool recoverUnfinishedBatches(RenameJournal& journal, Dialogs& dialogs, std::size_t& reported);

// Before a command that renames, or loads a batch to undo it: a batch still open is asked
// about again, and while one stays open the user is told that nothing starts. True when the
// command may start. A new batch over the files of an open one would leave nothing to recover
// it by.
bool settleBeforeRenaming(RenameJournal& journal, Dialogs& dialogs, std::size_t& reported);

// What to tell of the damaged journals the journal set aside since the count of those
// already told, one message each; moves the count on.
std::vector<Text> newDamagedJournalMessages(const RenameJournal& journal, std::size_t& reported);

// Reports those messages as errors.
void reportDamagedJournals(const RenameJournal& journal, Dialogs& dialogs, std::size_t& reported);

}  // namespace vartel

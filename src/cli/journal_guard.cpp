#include "cli/journal_guard.h"

#include "cli/output.h"
#include "common/message_text.h"
#include "workspace/messages.h"

namespace vartel::cli {

std::optional<RenameJournal> openJournal() {
    auto journal = RenameJournal::openDefault();
    if (!journal) {
        printErrorLine(kJournalUnwritable);
        return std::nullopt;
    }
    journal->prune(currentSeconds());
    return journal;
}

bool refuseWhileUnfinished(RenameJournal& journal) {
    const bool unfinished = !journal.unfinishedBatches().empty();
    for (const auto& name : journal.damagedFound()) {
        printErrorLine(fillIn(kDamagedJournal, U"%s", textFromBytes(name)));
    }
    if (unfinished) printErrorLine(kUnfinishedBatchRefusal);
    return unfinished;
}

}  // namespace vartel::cli

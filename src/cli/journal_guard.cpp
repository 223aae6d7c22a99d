#include "cli/journal_guard.h"

#include "cli/output.h"
#include "workspace/journal/journal_start.h"
#include "workspace/journal/messages.h"

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

void reportDamaged(const RenameJournal& journal, std::size_t& reported) {
    for (const auto& message : newDamagedJournalMessages(journal, reported)) {
        printErrorLine(message);
    }
}

bool refuseWhileUnfinished(RenameJournal& journal, std::size_t& damagedReported) {
    const bool unfinished = !journal.unfinishedBatches().empty();
    reportDamaged(journal, damagedReported);
    if (unfinished) printErrorLine(kUnfinishedBatchRefusal);
    return unfinished;
}

}  // namespace vartel::cli

#include "cli/journal_guard.h"

#include <cstdio>

#include "common/message_text.h"
#include "workspace/messages.h"

namespace vartel::cli {
namespace {

void printError(const Text& text) {
    const std::string bytes = bytesFromText(text) + "\n";
    std::fputs(bytes.c_str(), stderr);
}

}  // namespace

std::optional<RenameJournal> openJournal() {
    auto journal = RenameJournal::openDefault();
    if (!journal) {
        printError(kJournalUnwritable);
        return std::nullopt;
    }
    journal->prune(currentSeconds());
    return journal;
}

bool refuseWhileUnfinished(RenameJournal& journal) {
    const bool unfinished = !journal.unfinishedBatches().empty();
    for (const auto& name : journal.damagedFound()) {
        printError(fillIn(kDamagedJournal, U"%s", textFromBytes(name)));
    }
    if (unfinished) printError(kUnfinishedBatchRefusal);
    return unfinished;
}

}  // namespace vartel::cli

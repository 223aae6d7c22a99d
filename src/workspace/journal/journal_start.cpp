#include "workspace/journal/journal_start.h"

#include "common/integer_text.h"
#include "common/message_text.h"
#include "platform/journal_file.h"
#include "workspace/journal/messages.h"
#include "workspace/lists/messages.h"
#include "workspace/messages.h"

namespace vartel {
std::vector<Text> newDamagedJournalMessages(const RenameJournal& journal, std::size_t& reported) {
    std::vector<Text> messages;
    const auto& damaged = journal.damagedFound();
    for (; reported < damaged.size(); ++reported)
        messages.push_back(fillIn(kDamagedJournal, U"%s", textFromBytes(damaged[reported])));
    return messages;
}

void reportDamagedJournals(const RenameJournal& journal, Dialogs& dialogs, std::size_t& reported) {
    for (const auto& message : newDamagedJournalMessages(journal, reported)) dialogs.error(message);
}

std::optional<RenameJournal> openJournalAtStart(Dialogs& dialogs) {
    auto journal = RenameJournal::openDefault();
    if (!journal) {
        dialogs.error(kJournalUnavailable);
        return std::nullopt;
    }
    journal->prune(currentSeconds());
    return journal;
}

RecoveryOutcome recoverBatches(RenameJournal& journal, const std::vector<JournalBatch>& batches,
                               bool finish) {
    RecoveryOutcome outcome;
    // The newest first: a recovery that was itself cut short is finished before the batch it
    // was recovering.
    for (auto batch = batches.rbegin(); batch != batches.rend(); ++batch) {
        const int failed = journal.recover(*batch, finish);
        outcome.errors += failed;
        if (journal.lastRecoveryLeftOpen()) outcome.leftOpen += failed;
        outcome.left.insert(outcome.left.end(), journal.leftBehind().begin(),
                            journal.leftBehind().end());
    }
    return outcome;
}

bool recoverUnfinishedBatches(RenameJournal& journal, Dialogs& dialogs, std::size_t& reported) {
    const auto unfinished = journal.unfinishedBatches();
    reportDamagedJournals(journal, dialogs, reported);
    if (unfinished.empty()) return false;
    std::int64_t files = 0;
    for (const auto& batch : unfinished) files += static_cast<std::int64_t>(batch.rows.size());
    const Answer answer =
        dialogs.confirmOrLater(fillIn(kUnfinishedBatchQuestion, U"%s", formatInteger(files)));
    if (answer == Answer::Cancel) return true;
    const RecoveryOutcome outcome = recoverBatches(journal, unfinished, answer == Answer::Yes);
    const auto& left = outcome.left;
    if (left.empty()) {
        dialogs.message(kFinishedNormally);
    } else {
        // The box names a screenful of the files left; the rest are counted.
        constexpr std::size_t kNamed = 20;
        Text text = outcome.leftOpen != 0
                        ? fillIn(kRecoveryLeftFiles, U"%s", formatInteger(outcome.leftOpen))
                        : summaryText(outcome.errors);
        for (std::size_t i = 0; i < left.size() && i < kNamed; ++i)
            text += U"\n" + left[i].path + U"　" + left[i].reason;
        if (left.size() > kNamed) {
            text += U"\n" + fillIn(kMoreRowsNotSaved, U"%s",
                                   formatInteger(static_cast<std::int64_t>(left.size() - kNamed)));
        }
        dialogs.warning(text);
    }
    // A recovery that failed for some files keeps its batch open, to be tried again.
    const bool stillOpen = !journal.unfinishedBatches().empty();
    reportDamagedJournals(journal, dialogs, reported);
    return stillOpen;
}

bool settleBeforeRenaming(RenameJournal& journal, Dialogs& dialogs, std::size_t& reported) {
    if (!recoverUnfinishedBatches(journal, dialogs, reported)) return true;
    dialogs.error(kUnfinishedBatchRefusal);
    return false;
}

}  // namespace vartel

#include <cstdio>

#include "cli/argument_reader.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/interrupt_pump.h"
#include "cli/journal_guard.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "cli/summary_dialogs.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "common/name_parts.h"
#include "platform/clock.h"
#include "workspace/execution/undo.h"
#include "workspace/journal/journal_start.h"
#include "workspace/journal/messages.h"
#include "workspace/journal/past_batch.h"
#include "workspace/journal/rename_journal.h"
#include "workspace/messages.h"
#include "workspace/rows/modified_time.h"

namespace vartel::cli {
namespace {

const char* kindWord(BatchKind kind) {
    switch (kind) {
        case BatchKind::Execute:
            return "execute";
        case BatchKind::Undo:
            return "undo";
        case BatchKind::SingleRename:
            return "rename";
        case BatchKind::Recovery:
            return "recover";
    }
    return "";
}

const char* stateWord(BatchState state) {
    switch (state) {
        case BatchState::Unfinished:
            return "unfinished";
        case BatchState::Finished:
            return "finished";
        case BatchState::Undone:
            return "undone";
    }
    return "";
}

int summarize(int errors) {
    printLine(summaryText(errors));
    return errors == 0 ? 0 : kSomeRenamesFailed;
}

// The most recent batch that renamed something and has not been undone; undos themselves
// are passed over, so that undo after undo walks further back.
std::optional<JournalBatch> lastUndoable(RenameJournal& journal) {
    const auto batches = journal.summaries();
    for (auto batch = batches.rbegin(); batch != batches.rend(); ++batch) {
        if (batch->state == BatchState::Finished && batch->kind != BatchKind::Undo &&
            batch->renamedCount > 0) {
            return journal.batch(batch->id);
        }
    }
    return std::nullopt;
}

}  // namespace

int runHistory(const Arguments& args) {
    const ArgumentReader reader = readArguments("history", args);
    if (!reader.valid() || !reader.positional().empty()) {
        printUsage("history");
        return 2;
    }
    auto journal = openJournal();
    if (!journal) return 1;
    const auto batches = journal->summaries();
    std::size_t damagedReported = 0;
    reportDamaged(*journal, damagedReported);
    for (const auto& batch : batches) {
        const std::string line =
            batch.id + "\t" + bytesFromText(modifiedText(localDateTimeOf(batch.seconds))) + "\t" +
            kindWord(batch.kind) + "\t" + std::to_string(batch.renamedCount) + "\t" +
            stateWord(batch.state) + "\n";
        std::fputs(line.c_str(), stdout);
    }
    return 0;
}

int runUndo(const Arguments& args) {
    const ArgumentReader reader = readArguments("undo", args);
    if (!reader.valid() || reader.positional().size() > 1) {
        printUsage("undo");
        return 2;
    }
    auto journal = openJournal();
    if (!journal) return 1;
    std::size_t damagedReported = 0;
    if (refuseWhileUnfinished(*journal, damagedReported)) return kUnfinishedBatchExit;
    auto batch = reader.positional().empty() ? lastUndoable(*journal)
                                             : journal->batch(reader.positional()[0]);
    reportDamaged(*journal, damagedReported);
    if (!batch || batch->state == BatchState::Unfinished) {
        printErrorLine(kNoHistory);
        return 1;
    }
    // The window's undo of a past batch, on a workspace of its own.
    SummaryDialogs dialogs;
    InterruptPump pump;
    Workspace workspace(dialogs, pump);
    pump.watch(workspace);
    workspace.setJournal(&*journal);
    // The undo marks the batch undone once every row is back; until then it can be undone
    // again, and the rows already back are passed over.
    loadIntoHistory(workspace, *batch);
    if (workspace.historyList().empty()) return summarize(0);
    // The rows are not read again: their texts go before the batch is planned, which matters
    // for a batch of a million files.
    std::vector<JournalRow>().swap(batch->rows);
    undo(workspace);
    int errors = 0;
    for (const HistoryEntry& entry : workspace.historyList()) {
        if (!entry.failed) continue;
        ++errors;
        printErrorRecord({entry.newName, entry.oldName, entry.failureReason.text()});
    }
    dialogs.printHeld();
    if (interruptRequested()) {
        printErrorLine(kInterrupted);
        return kInterruptedExit;
    }
    if (dialogs.errorsShown() != 0) return 1;
    return errors == 0 ? 0 : kSomeRenamesFailed;
}

int runRecover(const Arguments& args) {
    const ArgumentReader reader = readArguments("recover", args);
    const bool finish = reader.has("--finish");
    if (!reader.valid() || !reader.positional().empty() || (finish && reader.has("--undo"))) {
        printUsage("recover");
        return 2;
    }
    auto journal = openJournal();
    if (!journal) return 1;
    const auto unfinished = journal->unfinishedBatches();
    std::size_t damagedReported = 0;
    reportDamaged(*journal, damagedReported);
    if (unfinished.empty()) {
        printLine(kNoUnfinishedBatch);
        return 0;
    }
    if (!finish && !reader.has("--undo")) {
        // Without a choice, only tells what there is to recover.
        for (const auto& batch : unfinished) {
            const std::string line = batch.id + "\t" + kindWord(batch.kind) + "\t" +
                                     std::to_string(batch.rows.size()) + "\n";
            std::fputs(line.c_str(), stdout);
        }
        printErrorLine(kUnfinishedBatchRefusal);
        return kUnfinishedBatchExit;
    }
    const RecoveryOutcome outcome = recoverBatches(*journal, unfinished, finish);
    if (outcome.leftOpen != 0)
        printErrorLine(fillIn(kRecoveryLeftFiles, U"%s", formatInteger(outcome.leftOpen)));
    for (const auto& file : outcome.left) printErrorRecord({file.path, file.reason});
    return summarize(outcome.errors);
}

}  // namespace vartel::cli

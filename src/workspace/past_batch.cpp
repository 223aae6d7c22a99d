#include "workspace/past_batch.h"

#include "common/name_parts.h"

namespace vartel {

bool canLoadIntoHistory(const BatchSummary& batch) {
    return batch.state == BatchState::Finished && batch.renamedCount > 0;
}

void loadIntoHistory(Workspace& workspace, const JournalBatch& batch) {
    if (workspace.busy()) return;
    HistoryList& history = workspace.historyList();
    history.clear();
    for (const JournalRow& row : batch.rows) {
        if (!row.renamed) continue;
        const SharedFolder folder =
            folderPartOf(row.newPath, history.empty() ? nullptr : history.back().folder);
        HistoryEntry entry{folder, nameOfPath(row.oldPath), nameOfPath(row.newPath)};
        entry.identity = row.identity;
        history.push_back(std::move(entry));
    }
}

}  // namespace vartel

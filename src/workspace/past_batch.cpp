#include "workspace/past_batch.h"

#include <unordered_set>

#include "common/name_parts.h"
#include "workspace/folder_renames.h"

namespace vartel {
namespace {

// The folders the batch renamed together with rows below them. A batch renames a folder after
// everything below it, so its journal names those rows under the folder's old name; they lie
// under the new one now.
FolderRenames foldersRenamedAboveRows(const JournalBatch& batch) {
    std::unordered_set<Text> foldersOfRows;
    Text last;
    for (const JournalRow& row : batch.rows) {
        Text folder = folderOfPath(row.oldPath);
        if (folder == last) continue;
        last = folder;
        while (!folder.empty() && foldersOfRows.insert(folder).second)
            folder = folderOfPath(folder);
    }
    FolderRenames folders;
    for (const JournalRow& row : batch.rows) {
        if (row.renamed && foldersOfRows.contains(row.oldPath))
            folders.add(row.oldPath, nameOfPath(row.newPath));
    }
    return folders;
}

}  // namespace

bool canLoadIntoHistory(const BatchSummary& batch) {
    return batch.state == BatchState::Finished && batch.renamedCount > 0;
}

void loadIntoHistory(Workspace& workspace, const JournalBatch& batch) {
    if (workspace.busy()) return;
    HistoryList& history = workspace.historyList();
    history.clear();
    const FolderRenames folders = foldersRenamedAboveRows(batch);
    for (const JournalRow& row : batch.rows) {
        if (!row.renamed) continue;
        const SharedFolder folder = folderPartOf(folders.now(row.newPath),
                                                 history.empty() ? nullptr : history.back().folder);
        HistoryEntry entry{folder, nameOfPath(row.oldPath), nameOfPath(row.newPath)};
        entry.identity = row.identity;
        history.push_back(std::move(entry));
    }
}

}  // namespace vartel

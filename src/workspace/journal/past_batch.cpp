#include "workspace/journal/past_batch.h"

#include <string>
#include <unordered_set>

#include "common/name_parts.h"
#include "workspace/journal/folder_renames.h"

namespace vartel {
namespace {

// The folders the batch renamed together with rows below them. A batch renames a folder after
// everything below it, so its journal names those rows under the folder's old name; they lie
// under the new one now.
JournalFolderRenames foldersRenamedAboveRows(const JournalBatch& batch) {
    std::unordered_set<std::string> foldersOfRows;
    std::string last;
    for (const JournalRow& row : batch.rows) {
        std::string folder = folderOfPath(row.oldPath);
        if (folder == last) continue;
        last = folder;
        while (!folder.empty() && foldersOfRows.insert(folder).second)
            folder = folderOfPath(folder);
    }
    JournalFolderRenames folders;
    for (const JournalRow& row : batch.rows) {
        if (row.renamed && foldersOfRows.contains(row.oldPath))
            folders.add(row.oldPath, nameOfPath(row.newPath));
    }
    return folders;
}

// The file is under its old name again (an undo that stopped part-way, or a rename by hand):
// nothing is left to undo of its row. Its folder may be back already too, or not yet.
bool isBackAlready(const JournalRow& row, const JournalFolderRenames& folders) {
    for (const std::string& path : {folders.now(row.oldPath), row.oldPath}) {
        const auto there = lookUpFile(path);
        if (there && there->identity == row.identity && row.fingerprint.matches(*there))
            return true;
    }
    return false;
}

}  // namespace

bool canLoadIntoHistory(const BatchSummary& batch) {
    return batch.state == BatchState::Finished && batch.renamedCount > 0;
}

void loadIntoHistory(Workspace& workspace, const JournalBatch& batch) {
    if (workspace.busy()) return;
    HistoryList& history = workspace.historyList();
    history.clear();
    const JournalFolderRenames folders = foldersRenamedAboveRows(batch);
    const std::uint32_t place = workspace.placeOfBatch(batch.id);
    for (const JournalRow& row : batch.rows) {
        if (!row.renamed || isBackAlready(row, folders)) continue;
        // The rows of the history are texts: the one place a journal's paths become text.
        const SharedFolder folder = folderPartOf(textFromBytes(folders.now(row.newPath)),
                                                 history.empty() ? nullptr : history.back().folder);
        HistoryEntry entry{folder, textFromBytes(nameOfPath(row.oldPath)),
                           textFromBytes(nameOfPath(row.newPath))};
        entry.identity = row.identity;
        entry.fingerprint = row.fingerprint;
        entry.batch = place;
        history.push_back(std::move(entry));
    }
    // Every file is back already (by an undo that stopped part-way and hands since): the batch
    // is undone, and is not offered again.
    if (history.empty() && workspace.journal() != nullptr)
        workspace.journal()->markUndone(batch.id, {});
}

}  // namespace vartel

#include "workspace/preview_batch.h"

#include "workspace/batch/companion_requests.h"
#include "workspace/rows/path_bytes.h"

namespace vartel {

PreviewBatch previewBatch(const PreviewList& preview, const std::vector<std::size_t>& rows,
                          bool withCompanions, Pace pace) {
    PreviewBatch batch;
    PathBytes pathBytes;
    batch.requests.reserve(rows.size());
    batch.rowOf.reserve(rows.size());
    std::vector<std::string> unchecked;
    for (const std::size_t i : rows) {
        pace.step();
        const PreviewEntry& row = preview[i];
        if (!row.checked) {
            // A row the user keeps out of the batch is no companion of another.
            if (withCompanions) unchecked.push_back(pathBytes.of(row.folder, row.oldName));
            continue;
        }
        batch.requests.push_back(
            {pathBytes.of(row.folder, row.oldName), bytesFromText(row.newName), row.identity});
        batch.rowOf.push_back(i);
    }
    const std::size_t rowCount = batch.requests.size();
    if (!withCompanions || batch.requests.empty()) return batch;
    batch.groups = addCompanions(batch.requests, unchecked, pace);
    for (std::size_t k = rowCount; k < batch.requests.size(); ++k)
        batch.rowOf.push_back(batch.rowOf[batch.groups.leaderOf[k]]);
    return batch;
}

std::vector<RenameRequest> companionsOfRow(const PreviewList& preview, std::size_t row) {
    const PreviewEntry& entry = preview[row];
    PathBytes pathBytes;
    std::vector<RenameRequest> requests = {
        {pathBytes.of(entry.folder, entry.oldName), bytesFromText(entry.newName), entry.identity}};
    std::vector<std::string> otherRows;
    for (std::size_t i = 0; i < preview.size(); ++i) {
        if (i != row && folderText(preview[i].folder) == folderText(entry.folder))
            otherRows.push_back(pathBytes.of(preview[i].folder, preview[i].oldName));
    }
    addCompanions(requests, otherRows);
    requests.erase(requests.begin());
    return requests;
}

}  // namespace vartel

#include "workspace/preview_batch.h"

#include <string_view>
#include <unordered_set>

#include "workspace/batch/companion_requests.h"
#include "workspace/rows/path_bytes.h"

namespace vartel {
namespace {

// The rows of both lists in the folders of the requests: files the user keeps as rows of
// their own, which no other row takes along.
std::vector<std::string> rowsOfTheLists(const Workspace& workspace,
                                        const std::vector<RenameRequest>& requests, Pace pace) {
    std::unordered_set<std::string_view> folders;
    for (const RenameRequest& request : requests)
        folders.insert(std::string_view(request.path).substr(0, request.path.rfind('/') + 1));
    std::vector<std::string> paths;
    PathBytes pathBytes;
    const auto take = [&](const SharedFolder& folder, const Text& name) {
        pace.step();
        std::string path = pathBytes.of(folder, name);
        if (folders.contains(std::string_view(path).substr(0, path.rfind('/') + 1)))
            paths.push_back(std::move(path));
    };
    for (const FileEntry& row : workspace.conversionList()) take(row.folder, row.name);
    for (const PreviewEntry& row : workspace.previewList()) take(row.folder, row.oldName);
    return paths;
}

}  // namespace

RequestGroups addCompanionsOfRows(const Workspace& workspace, std::vector<RenameRequest>& requests,
                                  const std::vector<char>& takesCompanions, Pace pace) {
    return addCompanions(requests, rowsOfTheLists(workspace, requests, pace), takesCompanions,
                         pace);
}

PreviewBatch previewBatch(const Workspace& workspace, const std::vector<std::size_t>& rows,
                          Pace pace) {
    const PreviewList& preview = workspace.previewList();
    PreviewBatch batch;
    PathBytes pathBytes;
    batch.requests.reserve(rows.size());
    batch.rowOf.reserve(rows.size());
    std::vector<char> takesCompanions;
    for (const std::size_t i : rows) {
        pace.step();
        const PreviewEntry& row = preview[i];
        if (!row.checked) continue;
        batch.requests.push_back(
            {pathBytes.of(row.folder, row.oldName), bytesFromText(row.newName), row.identity});
        batch.rowOf.push_back(i);
        if (workspace.withCompanions()) takesCompanions.push_back(row.facts.isFolder() ? 0 : 1);
    }
    const std::size_t rowCount = batch.requests.size();
    if (!workspace.withCompanions() || batch.requests.empty()) return batch;
    batch.groups = addCompanionsOfRows(workspace, batch.requests, takesCompanions, pace);
    for (std::size_t k = rowCount; k < batch.requests.size(); ++k)
        batch.rowOf.push_back(batch.rowOf[batch.groups.leaderOf[k]]);
    return batch;
}

std::vector<RenameRequest> companionsOfRow(const Workspace& workspace, std::size_t row) {
    const PreviewEntry& entry = workspace.previewList()[row];
    if (entry.facts.isFolder()) return {};
    std::vector<RenameRequest> requests = {{PathBytes().of(entry.folder, entry.oldName),
                                            bytesFromText(entry.newName), entry.identity}};
    addCompanionsOfRows(workspace, requests, {}, {});
    requests.erase(requests.begin());
    return requests;
}

}  // namespace vartel

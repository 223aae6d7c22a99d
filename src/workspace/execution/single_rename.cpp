#include "workspace/execution/single_rename.h"

#include <optional>

#include "workspace/batch/messages.h"
#include "workspace/execution/batch_runner.h"
#include "workspace/messages.h"
#include "workspace/preview_batch.h"
#include "workspace/rows/row_flags.h"

namespace vartel {

void renameFirstSelected(Workspace& workspace, const Text& newName) {
    if (workspace.busy()) return;
    const int index = firstSelectedRow(workspace.conversionList());
    if (index < 0) return;
    if (newName == workspace.conversionList()[static_cast<std::size_t>(index)].name) {
        return;  // confirming the name as it stands changes nothing
    }
    bool renamed = false;
    {
        // A batch of one, carried out as every batch is, so that a change of letter case goes
        // through a temporary name where needed and a kill leaves nothing behind.
        BusyScope busy(workspace);
        workspace.planOnlyTouchedFolders();
        FileEntry& row = workspace.conversionList()[static_cast<std::size_t>(index)];
        std::vector<RenameRequest> requests = {
            {bytesFromText(row.fullPath()), bytesFromText(newName), row.identity}};
        // A file renamed by hand takes its companions along as a batch's rows would.
        std::optional<RequestGroups> groups;
        if (workspace.withCompanions() && !row.facts.isFolder())
            groups = addCompanionsOfRows(workspace, requests, {}, {});
        auto batch =
            prepareBatch(workspace, BatchKind::SingleRename, requests, groups ? &*groups : nullptr);
        if (!batch) return;
        RenameRun run;
        carryOut(requests, *batch, workspace, run);
        if (batch->journal && !run.leftUnfinished) batch->journal->close(run);
        renamed = !run.rows.empty() && run.rows[0].renamed;
        if (renamed) {
            // A rename never leaves the folder, so the row keeps its folder part.
            row.name = newName;
            workspace.touchFolder(row.folder);
        }
    }
    if (!renamed) workspace.dialogs().message(kCannotRename);
}

}  // namespace vartel

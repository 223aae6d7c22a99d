#include "workspace/single_rename.h"

#include "common/name_parts.h"
#include "workspace/messages.h"
#include "workspace/plan_execution.h"
#include "workspace/rename_journal.h"
#include "workspace/rename_plan.h"
#include "workspace/row_flags.h"

namespace vartel {

void renameFirstSelected(Workspace& workspace, const Text& newName) {
    if (workspace.busy()) return;
    const int index = firstSelectedRow(workspace.conversionList());
    if (index < 0) return;
    FileEntry& row = workspace.conversionList()[static_cast<std::size_t>(index)];
    if (newName == row.name) return;  // confirming the name as it stands changes nothing
    // A batch of one, planned and journaled like any other, so that a change of letter case
    // goes through a temporary name where needed and a kill leaves nothing behind.
    const std::vector<RenameRequest> requests = {
        {bytesFromText(row.fullPath()), bytesFromText(newName), row.identity}};
    const RenamePlan plan = planRenames(requests);
    RenameRun run;
    if (!blocksRow(plan.statuses[0])) {
        const BatchFiles files = lookUpBatchFiles(requests, plan);
        std::unique_ptr<ActiveBatch> batch;
        if (RenameJournal* journal = workspace.journal()) {
            batch = journal->begin(BatchKind::SingleRename, requests, plan, files);
            if (!batch) {
                workspace.dialogs().error(kJournalUnwritable);
                return;
            }
        }
        carryOutPlan(
            requests, plan, files, [](std::size_t) { return true; }, run, batch.get());
        if (batch && !run.leftUnfinished) batch->close(run);
    }
    if (run.rows.empty() || !run.rows[0].renamed) {
        workspace.dialogs().message(kCannotRename);
        return;
    }
    // A rename never leaves the folder, so the row keeps its folder part.
    row.name = newName;
}

}  // namespace vartel

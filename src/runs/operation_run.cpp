#include "runs/operation_run.h"

#include "operations/messages.h"
#include "workspace/list_walk.h"

namespace vartel {

bool runOperation(Workspace& workspace, RecordingFrame& recording,
                  const OperationSettings& operation) {
    if (workspace.busy()) return false;
    BusyScope busy(workspace);
    if (recording.recording()) {
        if (recordOperation(operation, workspace, recording)) return true;
        workspace.dialogs().message(messages::kNoFreeVariable);
        return false;
    }
    // The rows moved into the preview are all the walk changes.
    workspace.planOnlyTouchedFolders();
    // Made before any row moves, so the counts it takes are those of the whole list.
    auto newName = newNameFunction(operation, workspace);
    // Each row's parts are cut into the same two texts, which keep their room from row to row.
    Text stem;
    Text extension;
    walkCheckedRows(workspace, [&](const FileEntry& row) -> std::optional<Text> {
        const std::size_t start = row.extensionStart();
        stem.assign(row.name, 0, start);
        extension.assign(row.name, start);
        return newName(stem, extension);
    });
    return false;
}

}  // namespace vartel

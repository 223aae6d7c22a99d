#include "recording/operation_run.h"

#include "operations/messages.h"
#include "workspace/list_walk.h"

namespace vartel {

bool runOperation(Workspace& workspace, RecordingFrame& recording,
                  const OperationSettings& operation) {
    if (workspace.busy()) return false;
    BusyScope busy(workspace);
    // Counted before any row moves, on both paths.
    const int checkedCount = workspace.checkedFileCount();
    if (recording.recording()) {
        if (recordOperation(operation, checkedCount, recording)) return true;
        workspace.dialogs().message(messages::kNoFreeVariable);
        return false;
    }
    auto newName = newNameFunction(operation, checkedCount);
    walkCheckedRows(workspace, [&](const FileEntry& row) -> std::optional<Text> {
        return newName(row.name.substr(0, row.name.size() - row.extension.size()), row.extension);
    });
    return false;
}

}  // namespace vartel

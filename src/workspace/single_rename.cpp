#include "workspace/single_rename.h"

#include "common/name_parts.h"
#include "workspace/messages.h"
#include "workspace/rename_in_folder.h"
#include "workspace/row_flags.h"

namespace vartel {

void renameFirstSelected(Workspace& workspace, const Text& newName) {
    if (workspace.busy()) return;
    const int index = firstSelectedRow(workspace.conversionList());
    if (index < 0) return;
    FileEntry& row = workspace.conversionList()[static_cast<std::size_t>(index)];
    if (newName == row.name) return;  // confirming the name as it stands changes nothing
    const auto target = renameInFolder(row.fullPath, newName);
    if (!target) {
        workspace.dialogs().message(kCannotRename);
        return;
    }
    row.fullPath = *target;
    row.name = newName;
    row.extension = extensionOf(newName);
}

}  // namespace vartel

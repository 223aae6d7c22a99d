#include "workspace/list_walk.h"

namespace vartel {

void walkCheckedRows(Workspace& workspace, const NewNameOfRow& newNameOf) {
    const auto& rows = workspace.conversionList();
    for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
        if (!rows[static_cast<std::size_t>(index)].checked) continue;
        workspace.setCurrentRow(index);
        if (auto newName = newNameOf(rows[static_cast<std::size_t>(index)])) {
            index = workspace.moveToPreview(index, std::move(*newName));
        } else if (!workspace.keepGoing()) {
            break;
        }
    }
}

}  // namespace vartel

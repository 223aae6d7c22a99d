#pragma once

#include <functional>
#include <optional>

#include "workspace/workspace.h"

namespace vartel {

// The new full name of one row, or nothing when the row is to stay as it is.
using NewNameOfRow = std::function<std::optional<Text>(const FileEntry& row)>;

// The list path of an operation, inside the busy state: visits the checked rows in list order
// and offers each new name to moveToPreview, which moves the changed rows into the preview. Ends
// early when the user aborts.
void walkCheckedRows(Workspace& workspace, const NewNameOfRow& newNameOf);

}  // namespace vartel

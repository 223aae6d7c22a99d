#pragma once

#include "workspace/workspace.h"

namespace vartel {

// "名前の変更": renames the file of the first selected row to the name confirmed in the
// rename dialog, at once and without history; on failure shows "ファイル名を変更できません".
void renameFirstSelected(Workspace& workspace, const Text& newName);

}  // namespace vartel

#pragma once

#include "workspace/workspace.h"

namespace vartel {

// "元に戻す": renames the checked history rows back, the most recent first.
void undo(Workspace& workspace);
// "クリア"
void clearHistory(Workspace& workspace);

}  // namespace vartel

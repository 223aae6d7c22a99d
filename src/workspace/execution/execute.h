#pragma once

#include "workspace/workspace.h"

namespace vartel {

// "変換実行": renames the checked preview rows from the bottom up. Renamed files come back at
// the end of the conversion list and into the history, both in the preview's order; failed
// rows stay, checked and marked.
void execute(Workspace& workspace);
// "変換リストに戻す": the checked preview rows go back to the end of the conversion list.
void returnToConversionList(Workspace& workspace);

}  // namespace vartel

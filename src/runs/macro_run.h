#pragma once

#include "editor/macro_editor.h"
#include "platform/clock.h"
#include "workspace/workspace.h"

namespace vartel {

// "マクロ実行": runs the editor's macro over the checked rows and moves the rows whose name
// it changes into the preview. Persistent variables start from their tables once per run and
// carry over from row to row; per-file variables start from their tables at every row. A
// failing row throws VartelError; the rows moved before it stay in the preview.
void runMacroOverList(Workspace& workspace, MacroEditor& editor, const Clock& clock);

}  // namespace vartel

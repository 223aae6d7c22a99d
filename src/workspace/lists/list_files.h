#pragma once

#include "workspace/workspace.h"

namespace vartel {

// Conversion-list files: one full path per line. File errors throw VartelError with the file
// layer's message. None of these runs while a long command walks the list.
void saveList(Workspace& workspace);
void loadList(Workspace& workspace);
void newList(Workspace& workspace);
// The main window is about to close: true when it may.
bool closeRequested(Workspace& workspace);

}  // namespace vartel

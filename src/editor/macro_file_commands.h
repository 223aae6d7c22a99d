#pragma once

#include "common/dialogs.h"
#include "editor/macro_editor.h"

namespace vartel {

// The editor's file commands. Failures of the file layer are thrown as VartelError.

// "保存": asks for a title, then for a file (starting in the editor's macro folder, made when
// missing), and writes the macro and says so to whoever listens. False when either question
// was cancelled; nothing is written then.
bool saveMacro(const MacroEditor& editor, Dialogs& dialogs);

// Asks whether to save a macro that has lines before it is replaced. False means Cancel: the
// calling command stops. A save that fails throws, so nothing is discarded unsaved.
bool offerToSave(const MacroEditor& editor, Dialogs& dialogs);

// "新規": every line removed and every variable back to "0"; the lookup table and the input
// stay.
void newMacro(MacroEditor& editor, Dialogs& dialogs);

// "開く": after the offer to save, asks for a file and loads it. True when a macro was loaded.
bool openMacro(MacroEditor& editor, Dialogs& dialogs);

}  // namespace vartel

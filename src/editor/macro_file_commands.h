#pragma once

#include <vector>

#include "common/dialogs.h"
#include "editor/macro_editor.h"

namespace vartel {

// The editor's file commands. Failures of the file layer are thrown as VartelError.

// "保存": asks for a title, then for a file, and writes the macro. False when either question
// was cancelled; nothing is written then.
bool saveMacro(const MacroEditor& editor, Dialogs& dialogs);

// Asks whether to save a macro that has lines before it is replaced. False means Cancel: the
// calling command stops. A save that fails throws, so nothing is discarded unsaved.
bool offerToSave(const MacroEditor& editor, Dialogs& dialogs);

// Every line removed and every variable back to "0"; the lookup table and the input stay.
void clearMacro(MacroEditor& editor);

// "新規".
void newMacro(MacroEditor& editor, Dialogs& dialogs);

// "開く": after the offer to save, asks for a file and loads it. True when a macro was loaded.
bool openMacro(MacroEditor& editor, Dialogs& dialogs);

// The end of a recording: the recorded lines become the editor's lines, as they are.
void takeRecordedLines(MacroEditor& editor, const std::vector<MacroLine>& lines);

}  // namespace vartel

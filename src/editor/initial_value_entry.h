#pragma once

#include "common/dialogs.h"
#include "editor/macro_editor.h"

namespace vartel {

// A value typed into a variable table: becomes the variable's initial value unless it holds a
// line break, which the macro file could not keep; that is refused with a message. True when
// taken.
bool enterInitialValue(MacroEditor& editor, int code, const Text& value, Dialogs& dialogs);

}  // namespace vartel

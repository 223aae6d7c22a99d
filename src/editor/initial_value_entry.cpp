#include "editor/initial_value_entry.h"

#include "editor/messages.h"

namespace vartel {

bool enterInitialValue(MacroEditor& editor, int code, const Text& value, Dialogs& dialogs) {
    if (holdsLineBreak(value)) {
        dialogs.message(editor_messages::kLineBreakRefused);
        return false;
    }
    editor.program().setInitialValue(code, value);
    return true;
}

}  // namespace vartel

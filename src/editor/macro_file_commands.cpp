#include "editor/macro_file_commands.h"

#include "editor/messages.h"
#include "macro/macro_file.h"
#include "macro/variable_table.h"
#include "platform/file_system.h"

namespace vartel {

bool saveMacro(const MacroEditor& editor, Dialogs& dialogs) {
    const auto title =
        dialogs.askText(editor_messages::kTitleCaption, editor_messages::kTitlePrompt);
    if (!title) return false;
    const std::string& folder = editor.saving().folder;
    // A folder that cannot be made only means the dialog starts elsewhere.
    if (!folder.empty()) createFolders(folder);
    const auto path =
        dialogs.saveFileIn(folder, editor_messages::kMacroFilter, editor_messages::kMacroExtension);
    if (!path) return false;
    saveMacroFile(editor.program(), *path, *title);
    if (editor.saving().saved) editor.saving().saved();
    return true;
}

bool offerToSave(const MacroEditor& editor, Dialogs& dialogs) {
    if (editor.program().lineCount() == 0) return true;
    switch (dialogs.confirm(editor_messages::kSaveCurrentMacro, true)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            // Cancelling the title or the file here discards the macro, as the user chose.
            saveMacro(editor, dialogs);
            return true;
        case Answer::No:
            return true;
    }
    return true;
}

void newMacro(MacroEditor& editor, Dialogs& dialogs) {
    if (!offerToSave(editor, dialogs)) return;
    editor.program().clearLines();
    editor.program().tables() = newVariableTables();
}

bool openMacro(MacroEditor& editor, Dialogs& dialogs) {
    if (!offerToSave(editor, dialogs)) return false;
    const auto path = dialogs.openFile(editor_messages::kMacroFilter);
    if (!path) return false;
    return loadMacroFile(editor.program(), *path, dialogs);
}

}  // namespace vartel

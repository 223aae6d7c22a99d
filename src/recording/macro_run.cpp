#include "recording/macro_run.h"

#include "common/name_parts.h"
#include "macro/macro_interpreter.h"
#include "workspace/list_walk.h"

namespace vartel {

void runMacroOverList(Workspace& workspace, MacroEditor& editor, const Clock& clock) {
    if (workspace.busy()) return;
    BusyScope busy(workspace);
    MacroInterpreter interpreter = editor.startRun({workspace.dialogs(), clock, workspace});
    const auto& tables = editor.program().tables();
    VariableStore& store = editor.store();
    walkCheckedRows(workspace, [&](const FileEntry& row) {
        Text extension = extensionOf(nameOfPath(row.fullPath));
        if (!extension.empty()) extension.erase(0, 1);
        auto result = interpreter.runMacro(stemOf(row.name), extension, row.fullPath);
        store.loadPerFile(tables);
        return result;
    });
}

}  // namespace vartel

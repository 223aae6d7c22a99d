#include "runs/macro_run.h"

#include "macro/macro_interpreter.h"
#include "macro/variables.h"
#include "workspace/list_walk.h"

namespace vartel {
namespace {

// A single row's run can be long: it keeps the window live and stops at "中止" too.
class ListRunControl : public RunControl {
  public:
    explicit ListRunControl(Workspace& workspace) : workspace_(workspace) {}
    bool keepGoing() override { return workspace_.keepGoing(); }

  private:
    Workspace& workspace_;
};

}  // namespace

void runMacroOverList(Workspace& workspace, MacroEditor& editor, const Clock& clock) {
    if (workspace.busy()) return;
    BusyScope busy(workspace);
    ListRunControl control(workspace);
    MacroInterpreter interpreter =
        editor.startRun({workspace.dialogs(), clock, workspace, fileMetadataReader(), &control});
    const auto& tables = editor.program().tables();
    VariableStore& store = editor.store();
    walkCheckedRows(workspace, [&](const FileEntry& row) {
        Text extension = row.extension();
        const Text stem = row.name.substr(0, row.name.size() - extension.size());
        if (!extension.empty()) extension.erase(0, 1);
        auto result = interpreter.runMacro(stem, extension, row.fullPath());
        // A folder had no extension to keep a dot for; while the macro gives it none, its new
        // name is the stem alone, so a macro that changes nothing leaves the folder alone.
        if (result && row.isFolder() && store.slot(kExtensionCode).empty())
            result = store.slot(kFileNameCode);
        store.loadPerFile(tables);
        return result;
    });
}

}  // namespace vartel

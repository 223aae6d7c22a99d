#include "editor/test_run.h"

namespace vartel {

std::optional<Text> testRun(MacroEditor& editor, const TestSample& sample,
                            const RunServices& services, std::vector<TraceRow>& trace) {
    trace.clear();
    editor.store() = VariableStore{};
    editor.store().loadAll(editor.program().tables());
    MacroInterpreter interpreter(editor.program(), editor.store(), editor.table(), services);
    return interpreter.runMacro(sample.name, sample.extension, sample.fullPath, &trace);
}

}  // namespace vartel

#include "editor/test_run.h"

namespace vartel {

std::optional<Text> testRun(MacroEditor& editor, const TestSample& sample,
                            const RunServices& services, std::vector<TraceRow>& trace) {
    trace.clear();
    return editor.startRun(services).runMacro(sample.name, sample.extension, sample.fullPath,
                                              &trace);
}

}  // namespace vartel

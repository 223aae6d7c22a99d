#pragma once

#include <optional>
#include <vector>

#include "editor/macro_editor.h"
#include "macro/macro_interpreter.h"

namespace vartel {

// The sample a test runs on, as typed in the test window.
struct TestSample {
    Text name;
    Text extension;
    Text fullPath;
};

// "テスト": every variable starts from its table, then the editor's macro runs once on the
// sample with a trace. The trace is emptied first and keeps the rows of the lines run before a
// failure. Returns nothing when the user stopped the run at a repetition guard; throws
// VartelError when the run fails.
std::optional<Text> testRun(MacroEditor& editor, const TestSample& sample,
                            const RunServices& services, std::vector<TraceRow>& trace);

}  // namespace vartel

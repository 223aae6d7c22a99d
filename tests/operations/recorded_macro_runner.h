#pragma once

#include <optional>

#include "../support/scripted_dialogs.h"
#include "macro/macro_interpreter.h"
#include "operations/recording_frame.h"

namespace vartel {

// A recording over one sample name, and runMacro of what it recorded on any name.
class RecordedMacroRunner {
  public:
    struct FixedCount : CheckedFileCount {
        int count = 0;
        int checkedFileCount() const override { return count; }
    };

    explicit RecordedMacroRunner(const Text& sampleName) {
        state.restart(sampleName);
        state.on = true;
    }

    RecordingFrame frame() { return RecordingFrame(state, editorProgram); }

    // The recorded lines with the initial values the recording set, run on stem and extension
    // (without its dot) as a run over the list does for its first row.
    std::optional<Text> run(const Text& stem, const Text& extension, int fileCount = 0) {
        MacroProgram program = editorProgram;
        for (const auto& line : state.macro) program.appendLine(line);
        VariableStore store;
        store.loadAll(program.tables());
        files.count = fileCount;
        MacroInterpreter interpreter(program, store, table, RunServices{dialogs, clock, files});
        return interpreter.runMacro(stem, extension, U"/folder/" + stem + U"." + extension);
    }

    RecordingState state;
    MacroProgram editorProgram;
    MultiConditionTable table;
    ScriptedDialogs dialogs;
    FixedClock clock{{2006, 6, 4, 17, 21, 0}};
    FixedCount files;
};

}  // namespace vartel

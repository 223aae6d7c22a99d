#pragma once

#include <optional>
#include <vector>

#include "common/dialogs.h"
#include "common/text.h"
#include "macro/checked_file_count.h"
#include "macro/macro_program.h"
#include "macro/multi_condition_table.h"
#include "macro/run_control.h"
#include "macro/trace_row.h"
#include "macro/variable_store.h"
#include "platform/clock.h"
#include "platform/media_metadata.h"

namespace vartel {

// What a run reads besides the macro and the variables.
struct RunServices {
    Dialogs& dialogs;  // the repetition guards ask here
    const Clock& clock;
    const CheckedFileCount& fileCount;
    const MetadataReader& metadata = fileMetadataReader();  // photo and music tags
    RunControl* control = nullptr;  // none: the run cannot be stopped between lines
};

// Runs one macro over one file at a time.
class MacroInterpreter {
  public:
    MacroInterpreter(const MacroProgram& program, VariableStore& store,
                     const MultiConditionTable& table, RunServices services);

    // Returns stem + "." + extension as the macro leaves them, or nothing when the user stops
    // the run at a repetition guard or through the run control. Throws VartelError when the run
    // fails. Slots 1..64 must be loaded by the caller; whatever the run writes stays in the store.
    // With a trace, one row is appended per executed line.
    std::optional<Text> runMacro(const Text& name, const Text& extension, const Text& fullPath,
                                 std::vector<TraceRow>* trace = nullptr);

  private:
    const MacroProgram& program_;
    VariableStore& store_;
    const MultiConditionTable& table_;
    RunServices services_;
};

}  // namespace vartel

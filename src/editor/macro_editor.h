#pragma once

#include <functional>
#include <string>

#include "editor/line_clipboard.h"
#include "macro/macro_interpreter.h"
#include "macro/macro_program.h"
#include "macro/multi_condition_table.h"
#include "macro/operand_validation.h"
#include "macro/variable_store.h"

namespace vartel {

// The one loaded macro with its run-time values and lookup table. Every macro run, the test
// window's and the run over the list, uses these instances.
class MacroEditor {
  public:
    // Where macros are saved, and who is told once one is (the list of saved macros).
    struct Saving {
        std::string folder;  // the save dialog starts here; created when first saved to
        std::function<void()> saved;
    };

    MacroProgram& program() { return program_; }
    const MacroProgram& program() const { return program_; }
    VariableStore& store() { return store_; }
    MultiConditionTable& table() { return table_; }
    const MultiConditionTable& table() const { return table_; }
    LineClipboard& clipboard() { return clipboard_; }
    const LineClipboard& clipboard() const { return clipboard_; }
    // The line being typed: target, operands and the chosen kind and type.
    LineInput& input() { return input_; }
    const LineInput& input() const { return input_; }
    Saving& saving() { return saving_; }
    const Saving& saving() const { return saving_; }

    // Every variable starts from its table, and the interpreter runs the macro on them.
    MacroInterpreter startRun(RunServices services);

  private:
    MacroProgram program_;
    VariableStore store_;
    MultiConditionTable table_;
    LineClipboard clipboard_;
    LineInput input_;
    Saving saving_;
};

}  // namespace vartel

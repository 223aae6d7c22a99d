#pragma once

#include "macro/macro_program.h"
#include "macro/multi_condition_table.h"
#include "macro/variable_store.h"

namespace vartel {

// The one loaded macro with its run-time values and lookup table. Every macro run, the test
// window's and the run over the list, uses these instances.
class MacroEditor {
public:
    MacroProgram& program() { return program_; }
    const MacroProgram& program() const { return program_; }
    VariableStore& store() { return store_; }
    MultiConditionTable& table() { return table_; }
    const MultiConditionTable& table() const { return table_; }

private:
    MacroProgram program_;
    VariableStore store_;
    MultiConditionTable table_;
};

}  // namespace vartel

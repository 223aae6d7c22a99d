#pragma once

#include <array>

#include "macro/instruction_id.h"
#include "macro/macro_interpreter.h"
#include "macro/resolved_operand.h"

namespace vartel {

// Everything a computing instruction may read or write while one line runs.
struct InstructionContext {
    VariableStore& store;
    const MultiConditionTable& table;
    const RunServices& services;
    const Text& fullPath;
    int targetCode;
    int firstOperandCode;
    std::array<ResolvedOperand, 3>& operands;

    // Writes a result to the target's slot; a line without a target keeps nothing.
    void storeResult(const Text& value) const;
    void storeResult(std::int32_t value) const;
};

// Runs a line of any kind but jump, condition and loop. Kinds and types the catalogue does not
// define do nothing.
void executeInstruction(InstructionId instruction, InstructionContext& context);

}  // namespace vartel

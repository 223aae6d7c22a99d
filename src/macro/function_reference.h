#pragma once

#include <vector>

#include "common/text.h"
#include "macro/instruction_id.h"

namespace vartel {

// What the editor explains about one instruction: its name, a line showing the operand classes
// (D the target, A, B, C the operands) and a few description lines.
struct ReferenceEntry {
    InstructionId id;
    Text name;
    Text signature;
    std::vector<Text> description;
};

const std::vector<ReferenceEntry>& functionReference();

}  // namespace vartel

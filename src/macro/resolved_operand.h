#pragma once

#include <cstdint>

#include "common/text.h"

namespace vartel {

enum class OperandClass { Empty, Number, Text };

// An operand of the line being executed, as the instruction sees it.
struct ResolvedOperand {
    Text text;
    std::int32_t number = 0;
    OperandClass operandClass = OperandClass::Empty;
};

}  // namespace vartel

#pragma once

#include <optional>

#include "macro/macro_line.h"

namespace vartel {

// The condition-start or loop-start line that follows a condition or loop line of the given
// kind and type; nothing for any other line, block ends included.
std::optional<MacroLine> blockStartLineAfter(InstructionId instruction);

}  // namespace vartel

#pragma once

#include <array>
#include <vector>

#include "common/text.h"

namespace vartel {

// What the editor explains about one instruction: its name, a line showing the operand classes
// (D the target, A, B, C the operands) and one to three description lines.
struct ReferenceEntry {
    Text name;
    Text signature;
    std::vector<Text> description;
};

inline constexpr int kReferenceEntryCount = 45;

const std::array<ReferenceEntry, kReferenceEntryCount>& functionReference();

}  // namespace vartel

#pragma once

#include <array>
#include <optional>

#include "common/text.h"
#include "macro/instruction_id.h"

namespace vartel {

// The macro editor's line input: what the user typed and which kind and type are chosen.
struct LineInput {
    Text target;
    std::array<Text, 3> operands;
    std::optional<int> kind;  // nothing while the chooser shows its placeholder
    std::optional<int> type;
    bool operator==(const LineInput&) const = default;
};

// Empties the input after a line was taken over or refused: no texts, no kind, no type.
void clearLineInput(LineInput& input);

// The code of a target text: empty 0, "ファイル名" 65, "拡張子" 66, a variable its slot;
// nothing for any other text. Exact comparison.
std::optional<int> targetCodeOf(std::u32string_view text);
// The code of an operand text: as a target, else -1 for an integer text, else -2.
int operandCodeOf(std::u32string_view text);

struct LineCheck {
    int failures = 0;            // 0: the line is valid
    std::array<int, 4> codes{};  // target, operands 1..3; all 0 when the target was refused
};

// Encodes a typed line and checks its codes against the chosen type's signature. A target that
// names nothing ends the check with one failure. A kind or type the catalogue does not define
// accepts nothing, so each of the four positions fails.
LineCheck validateLine(std::u32string_view target, const std::array<Text, 3>& operands,
                       InstructionId instruction);

}  // namespace vartel

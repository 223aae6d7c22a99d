#pragma once

#include <optional>

#include "macro/function_reference.h"
#include "macro/operand_validation.h"

namespace vartel {

// The four fields of the line input, in the order of the input row.
enum class InputField { Target, Operand1, Operand2, Operand3 };
enum class DigitWidth { Full, Half };

// Choosing a kind offers its types with the first one chosen.
void chooseKind(LineInput& input, int kind);
// A type of the chosen kind.
void chooseType(LineInput& input, int type);
// What the box "関数解説" shows: the entry of the chosen type, nothing while none is chosen.
const ReferenceEntry* referenceOf(const LineInput& input);

Text& inputField(LineInput& input, InputField field);

// The shortcut buttons act on the field that had the focus last; with none they do nothing.
// The variable buttons put their caption in place of the field's text ("消去" puts nothing).
void putShortcutText(LineInput& input, std::optional<InputField> focused, const Text& text);
// The digit buttons append the digit, full-width or half-width as the switch says.
void appendDigit(LineInput& input, std::optional<InputField> focused, int digit, DigitWidth width);

}  // namespace vartel

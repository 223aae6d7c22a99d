#include "editor/line_input.h"

#include "macro/instruction_catalogue.h"

namespace vartel {

void chooseKind(LineInput& input, int kind) {
    input.kind = kind;
    input.type = 0;
}

void chooseType(LineInput& input, int type) {
    input.type = type;
}

const ReferenceEntry* referenceOf(const LineInput& input) {
    if (!input.kind || !input.type) return nullptr;
    return InstructionCatalogue::referenceEntry({*input.kind, *input.type});
}

Text& inputField(LineInput& input, InputField field) {
    if (field == InputField::Target) return input.target;
    return input.operands[static_cast<std::size_t>(field) - 1];
}

void putShortcutText(LineInput& input, std::optional<InputField> focused, const Text& text) {
    if (focused) inputField(input, *focused) = text;
}

void appendDigit(LineInput& input, std::optional<InputField> focused, int digit, DigitWidth width) {
    if (!focused || digit < 0 || digit > 9) return;
    const char32_t zero = width == DigitWidth::Full ? U'０' : U'0';
    inputField(input, *focused) += static_cast<char32_t>(zero + digit);
}

}  // namespace vartel

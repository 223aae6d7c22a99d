#include "macro/macro_line.h"

#include "common/integer_text.h"

namespace vartel {

CodedRow::CodedRow(const std::array<Text, kFieldCount>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        values_[i] = parseInteger(texts[i]);
        if (!values_[i] || formatInteger(*values_[i]) != texts[i]) writtenTexts_[i] = texts[i];
    }
}

CodedRow::CodedRow(int target, InstructionId instruction, int operand1, int operand2, int operand3)
    : values_{target, instruction.kind, instruction.type, operand1, operand2, operand3} {}

Text CodedRow::text(int field) const {
    const auto at = static_cast<std::size_t>(field);
    if (values_[at] && writtenTexts_[at].empty()) return formatInteger(*values_[at]);
    return writtenTexts_[at];
}

}  // namespace vartel

#include "macro/macro_line.h"

#include "common/integer_text.h"

namespace vartel {

CodedRow::CodedRow() : CodedRow(0, 0, 0, 0, 0, 0) {}

CodedRow::CodedRow(std::array<Text, kFieldCount> texts) : texts_(std::move(texts)) {
    for (int i = 0; i < kFieldCount; ++i) values_[i] = parseInteger(texts_[i]);
}

CodedRow::CodedRow(int target, int kind, int type, int operand1, int operand2, int operand3)
    : CodedRow(std::array<Text, kFieldCount>{formatInteger(target), formatInteger(kind),
                                             formatInteger(type), formatInteger(operand1),
                                             formatInteger(operand2), formatInteger(operand3)}) {}

}  // namespace vartel

#include "macro/instructions.h"

#include "common/error.h"
#include "common/integer_text.h"
#include "macro/instruction_catalogue.h"
#include "macro/messages.h"

namespace vartel {
namespace {

void assign(int type, InstructionContext& context) {
    const auto& a = context.operands[0];
    if (type == 0) context.storeResult(a.number);
    if (type == 1) context.storeResult(a.text);
}

void arithmetic(int type, InstructionContext& context) {
    // Sums, differences and products wrap around in 32 bits instead of failing.
    const auto a = static_cast<std::uint32_t>(context.operands[0].number);
    const auto b = static_cast<std::uint32_t>(context.operands[1].number);
    switch (type) {
        case 0: context.storeResult(static_cast<std::int32_t>(a + b)); break;
        case 1: context.storeResult(static_cast<std::int32_t>(a - b)); break;
        case 2: context.storeResult(static_cast<std::int32_t>(a * b)); break;
        case 3: {
            const std::int32_t dividend = context.operands[0].number;
            const std::int32_t divisor = context.operands[1].number;
            if (divisor == 0) throw VartelError(messages::kDivisionByZero);
            if (dividend == INT32_MIN && divisor == -1) throw VartelError(messages::kDivisionOverflow);
            context.storeResult(dividend / divisor);
            break;
        }
        default: break;
    }
}

}  // namespace

void InstructionContext::storeResult(const Text& value) const {
    if (targetCode >= 1 && targetCode < kSlotCount) store.slot(targetCode) = value;
}

void InstructionContext::storeResult(std::int32_t value) const { storeResult(formatInteger(value)); }

void executeInstruction(int kind, int type, InstructionContext& context) {
    switch (kind) {
        case kKindAssign: assign(type, context); break;
        case kKindArithmetic: arithmetic(type, context); break;
        default: break;  // "コメント" and the rest compute nothing
    }
}

}  // namespace vartel

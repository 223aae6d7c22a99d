#include "macro/instructions.h"

#include "common/error.h"
#include "common/integer_text.h"
#include "macro/instruction_catalogue.h"
#include "macro/instruction_families.h"
#include "macro/messages.h"
#include "macro/text_edits.h"

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
        case 0:
            context.storeResult(static_cast<std::int32_t>(a + b));
            break;
        case 1:
            context.storeResult(static_cast<std::int32_t>(a - b));
            break;
        case 2:
            context.storeResult(static_cast<std::int32_t>(a * b));
            break;
        case 3: {
            const std::int32_t dividend = context.operands[0].number;
            const std::int32_t divisor = context.operands[1].number;
            if (divisor == 0) throw VartelError(messages::kDivisionByZero);
            if (dividend == INT32_MIN && divisor == -1)
                throw VartelError(messages::kDivisionOverflow);
            context.storeResult(dividend / divisor);
            break;
        }
        default:
            break;
    }
}

}  // namespace

void InstructionContext::storeResult(const Text& value) const {
    checkTextLength(value.size());
    if (targetCode >= 1 && targetCode < kSlotCount) store.slot(targetCode) = value;
}

void InstructionContext::storeResult(std::int32_t value) const {
    storeResult(formatInteger(value));
}

void executeInstruction(int kind, int type, InstructionContext& context) {
    switch (kind) {
        case kKindAssign:
            assign(type, context);
            break;
        case kKindTextOutput:
            textOutput(type, context);
            break;
        case kKindDelete:
            deletion(type, context);
            break;
        case kKindReplace:
            replacement(type, context);
            break;
        case kKindSearch:
            search(type, context);
            break;
        case kKindConvert:
            conversion(type, context);
            break;
        case kKindInformation:
            information(type, context);
            break;
        case kKindArithmetic:
            arithmetic(type, context);
            break;
        case kKindDate:
            currentDate(type, context);
            break;
        case kKindTime:
            currentTime(type, context);
            break;
        case kKindFile:
            fileFacts(type, context);
            break;
        case kKindMultiCondition:
            multiCondition(type, context);
            break;
        default:
            break;  // control kinds run in the interpreter; unknown kinds do nothing
    }
}

}  // namespace vartel

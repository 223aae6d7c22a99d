#include "macro/instructions.h"

#include "common/error.h"
#include "common/integer_text.h"
#include "macro/instruction_catalogue.h"
#include "macro/instruction_families.h"
#include "macro/messages.h"
#include "macro/text_edits.h"

namespace vartel {
namespace {

void assign(AssignType type, InstructionContext& context) {
    const auto& a = context.operands[0];
    switch (type) {
        case AssignType::Number:
            context.storeResult(a.number);
            break;
        case AssignType::Text:
            context.storeResult(a.text);
            break;
    }
}

void arithmetic(ArithmeticType type, InstructionContext& context) {
    // Sums, differences and products wrap around in 32 bits instead of failing.
    const auto a = static_cast<std::uint32_t>(context.operands[0].number);
    const auto b = static_cast<std::uint32_t>(context.operands[1].number);
    switch (type) {
        case ArithmeticType::Plus:
            context.storeResult(static_cast<std::int32_t>(a + b));
            break;
        case ArithmeticType::Minus:
            context.storeResult(static_cast<std::int32_t>(a - b));
            break;
        case ArithmeticType::Times:
            context.storeResult(static_cast<std::int32_t>(a * b));
            break;
        case ArithmeticType::Divide: {
            const std::int32_t dividend = context.operands[0].number;
            const std::int32_t divisor = context.operands[1].number;
            if (divisor == 0) throw VartelError(messages::kDivisionByZero);
            if (dividend == INT32_MIN && divisor == -1)
                throw VartelError(messages::kDivisionOverflow);
            context.storeResult(dividend / divisor);
            break;
        }
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

void executeInstruction(InstructionId instruction, InstructionContext& context) {
    // Types the catalogue does not define (a hand-edited file) do nothing.
    if (!InstructionCatalogue::find(instruction)) return;
    const int type = instruction.type;
    switch (instruction.kind) {
        case kKindAssign:
            assign(static_cast<AssignType>(type), context);
            break;
        case kKindTextOutput:
            textOutput(static_cast<TextOutputType>(type), context);
            break;
        case kKindDelete:
            deletion(static_cast<DeleteType>(type), context);
            break;
        case kKindReplace:
            replacement(static_cast<ReplaceType>(type), context);
            break;
        case kKindSearch:
            search(static_cast<SearchType>(type), context);
            break;
        case kKindConvert:
            conversion(static_cast<ConvertType>(type), context);
            break;
        case kKindInformation:
            information(static_cast<InformationType>(type), context);
            break;
        case kKindArithmetic:
            arithmetic(static_cast<ArithmeticType>(type), context);
            break;
        case kKindDate:
            currentDate(static_cast<DateType>(type), context);
            break;
        case kKindTime:
            currentTime(static_cast<TimeType>(type), context);
            break;
        case kKindFile:
            fileFacts(static_cast<FileType>(type), context);
            break;
        case kKindMultiCondition:
            multiCondition(static_cast<MultiConditionType>(type), context);
            break;
        default:
            break;  // control kinds run in the interpreter
    }
}

}  // namespace vartel

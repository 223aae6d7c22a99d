#include "common/error.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "macro/instruction_families.h"
#include "macro/messages.h"
#include "macro/text_conversions.h"
#include "macro/text_edits.h"
#include "platform/letter_case.h"

namespace vartel {

void textOutput(TextOutputType type, InstructionContext& context) {
    const auto& [a, b, c] = context.operands;
    switch (type) {
        case TextOutputType::Copy:
            context.storeResult(copyCharacters(a.text, b.number, c.number));
            break;
        case TextOutputType::Insert:
            context.storeResult(insertCharacters(a.text, b.text, c.number));
            break;
        case TextOutputType::Join: {
            checkTextLength(static_cast<std::uint64_t>(a.text.size()) + b.text.size() +
                            c.text.size());
            context.storeResult(a.text + b.text + c.text);
            break;
        }
    }
}

void deletion(DeleteType type, InstructionContext& context) {
    auto& [a, b, c] = context.operands;
    switch (type) {
        case DeleteType::Delete: {
            // The result goes back where A came from. A literal (or a hand-edited numeric or empty
            // operand) has no text slot to receive it, so the result only shows in the trace.
            a.text = deleteCharacters(a.text, b.number, c.number);
            const int slot = context.firstOperandCode;
            if (slot >= 33 && slot < kSlotCount) context.store.slot(slot) = a.text;
            break;
        }
        case DeleteType::TrimLeading:
            context.storeResult(trimLeadingBlanks(a.text));
            break;
        case DeleteType::TrimTrailing:
            context.storeResult(trimTrailingBlanks(a.text));
            break;
    }
}

void conversion(ConvertType type, InstructionContext& context) {
    const auto& a = context.operands[0];
    switch (type) {
        case ConvertType::ToLower:
            context.storeResult(toLower(a.text));
            break;
        case ConvertType::ToUpper:
            context.storeResult(toUpper(a.text));
            break;
        case ConvertType::NumberToText:
            context.storeResult(a.number);
            break;
        case ConvertType::TextToNumber: {
            const auto value = parseInteger(a.text);
            if (!value) throw VartelError(fillIn(messages::kNotAnInteger, U"%s", a.text));
            context.storeResult(*value);
            break;
        }
        default:
            if (const auto* conversion = textConversionOfType(type))
                context.storeResult(conversion->convert(a.text));
            break;
    }
}

void information(InformationType type, InstructionContext& context) {
    switch (type) {
        case InformationType::Length:
            context.storeResult(static_cast<std::int32_t>(context.operands[0].text.size()));
            break;
        case InformationType::FileCount:
            context.storeResult(context.services.fileCount.checkedFileCount());
            break;
        case InformationType::Comment:
            break;  // a comment computes nothing
    }
}

}  // namespace vartel

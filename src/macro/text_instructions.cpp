#include "common/error.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "macro/instruction_families.h"
#include "macro/messages.h"
#include "macro/text_edits.h"
#include "platform/letter_case.h"

namespace vartel {

void textOutput(int type, InstructionContext& context) {
    const auto& [a, b, c] = context.operands;
    switch (type) {
        case 0:
            context.storeResult(copyCharacters(a.text, b.number, c.number));
            break;
        case 1:
            context.storeResult(insertCharacters(a.text, b.text, c.number));
            break;
        case 2: {
            checkTextLength(static_cast<std::uint64_t>(a.text.size()) + b.text.size() +
                            c.text.size());
            context.storeResult(a.text + b.text + c.text);
            break;
        }
        default:
            break;
    }
}

void deletion(int type, InstructionContext& context) {
    auto& [a, b, c] = context.operands;
    switch (type) {
        case 0: {
            // The result goes back where A came from. A literal (or a hand-edited numeric or empty
            // operand) has no text slot to receive it, so the result only shows in the trace.
            a.text = deleteCharacters(a.text, b.number, c.number);
            const int slot = context.firstOperandCode;
            if (slot >= 33 && slot < kSlotCount) context.store.slot(slot) = a.text;
            break;
        }
        case 1:
            context.storeResult(trimLeadingBlanks(a.text));
            break;
        case 2:
            context.storeResult(trimTrailingBlanks(a.text));
            break;
        default:
            break;
    }
}

void conversion(int type, InstructionContext& context) {
    const auto& a = context.operands[0];
    switch (type) {
        case 0:
            context.storeResult(toLower(a.text));
            break;
        case 1:
            context.storeResult(toUpper(a.text));
            break;
        case 2:
            context.storeResult(a.number);
            break;
        case 3: {
            const auto value = parseInteger(a.text);
            if (!value) throw VartelError(fillIn(messages::kNotAnInteger, U"%s", a.text));
            context.storeResult(*value);
            break;
        }
        default:
            break;
    }
}

void information(int type, InstructionContext& context) {
    switch (type) {
        case 0:
            context.storeResult(static_cast<std::int32_t>(context.operands[0].text.size()));
            break;
        case 1:
            context.storeResult(context.services.fileCount.checkedFileCount());
            break;
        default:
            break;  // "コメント" computes nothing
    }
}

}  // namespace vartel

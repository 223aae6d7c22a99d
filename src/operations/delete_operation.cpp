#include "operations/delete_operation.h"

#include "common/integer_text.h"
#include "macro/text_edits.h"
#include "operations/character_helpers.h"
#include "operations/messages.h"

namespace vartel {
namespace {

Text description(const DeleteSettings& s) {
    switch (s.mode) {
        case DeleteMode::FromStart:
            return U"最初から　" + formatInteger(s.count) + U"　個の文字を削除";
        case DeleteMode::FromEnd:
            return U"最後から　" + formatInteger(s.count) + U"　個の文字を削除";
        case DeleteMode::FromNth:
            return formatInteger(s.position) + U"　番目の文字から　" + formatInteger(s.count) +
                   U"　個の文字を削除";
        case DeleteMode::TextA:
            return U"「" + s.textA + U"」　を削除";
        case DeleteMode::AToB:
            return s.textA + U"　と　" + s.textB + U"　とその間を削除";
    }
    return {};
}

}  // namespace

Text deleteFromStem(const DeleteSettings& s, const Text& stem) {
    switch (s.mode) {
        case DeleteMode::FromStart:
            return deleteCharacters(stem, 1, s.count);
        case DeleteMode::FromEnd:
            return deleteCharacters(stem, characterCount(stem) - s.count + 1, s.count);
        case DeleteMode::FromNth:
            return deleteCharacters(stem, s.position, s.count);
        case DeleteMode::TextA:
            return replaceAll(stem, s.textA, Text(), !s.caseSensitive);
        case DeleteMode::AToB: {
            const int a = findPosition(s.textA, stem, s.caseSensitive);
            const int b = findPosition(s.textB, stem, s.caseSensitive);
            // Without B there is no end to the stretch, so nothing goes, as without A.
            if (a == 0 || b == 0) return stem;
            return deleteCharacters(stem, a, b + characterCount(s.textB) - a);
        }
    }
    return stem;
}

bool recordDelete(const DeleteSettings& s, RecordingFrame& frame) {
    const Operand name = nameOperand();
    const Operand none = emptyOperand();
    switch (s.mode) {
        case DeleteMode::FromStart:
            frame.recordLine(none, DeleteType::Delete, name, numberOperand(1),
                             numberOperand(s.count));
            break;
        case DeleteMode::FromEnd: {
            const auto variables = frame.allocateVariables({kAllocNumber});
            if (!variables) return false;
            const Operand& x = (*variables)[0];
            frame.recordLine(x, InformationType::Length, name, none, none);
            frame.recordLine(x, ArithmeticType::Minus, x, numberOperand(s.count), none);
            frame.recordLine(x, ArithmeticType::Plus, x, numberOperand(1), none);
            frame.recordLine(none, DeleteType::Delete, name, x, numberOperand(s.count));
            break;
        }
        case DeleteMode::FromNth:
            frame.recordLine(none, DeleteType::Delete, name, numberOperand(s.position),
                             numberOperand(s.count));
            break;
        case DeleteMode::TextA:
            frame.recordLine(name, replaceTypeOf(s.caseSensitive), name, textOperand(s.textA),
                             none);
            break;
        case DeleteMode::AToB: {
            const auto variables =
                frame.allocateVariables({kAllocNumber, kAllocNumber, kAllocNumber});
            if (!variables) return false;
            const Operand& x = (*variables)[0];
            const Operand& y = (*variables)[1];
            const Operand& z = (*variables)[2];
            const SearchType type = searchTypeOf(s.caseSensitive);
            frame.recordLine(x, type, name, textOperand(s.textA), none);
            frame.recordLine(y, type, name, textOperand(s.textB), none);
            // The deletion runs only when B was found, as on the list path.
            frame.recordLine(none, ConditionType::Greater, y, numberOperand(0), none);
            frame.appendConditionStart();
            frame.recordLine(z, InformationType::Length, textOperand(s.textB), none, none);
            frame.recordLine(y, ArithmeticType::Plus, y, z, none);
            frame.recordLine(y, ArithmeticType::Minus, y, x, none);
            frame.recordLine(none, DeleteType::Delete, name, x, y);
            frame.recordLine(none, ConditionType::End, none, none, none);
            break;
        }
    }
    frame.sampleStem() = deleteFromStem(s, frame.sampleStem());
    frame.closeStep(messages::kKindDelete, description(s));
    return true;
}

}  // namespace vartel

#include "operations/search_insert_lines.h"

#include "macro/instruction_catalogue.h"
#include "macro/text_edits.h"
#include "operations/character_helpers.h"

namespace vartel {

Text insertAtSearch(const Text& stem, const Text& inserted, const Text& a, bool caseSensitive,
                    bool afterA) {
    const int p = findPosition(a, stem, caseSensitive);
    if (p == 0) return inserted + stem;
    return insertCharacters(stem, inserted, afterA ? p + characterCount(a) - 1 : p - 1);
}

void recordInsertAtSearch(RecordingFrame& frame, const Operand& inserted, const Text& a,
                          bool caseSensitive, const Operand& x, const std::optional<Operand>& y) {
    const Operand name = nameOperand();
    const Operand none = emptyOperand();
    frame.recordLine(x, searchTypeOf(caseSensitive), name, textOperand(a), none);
    const Operand anchor = numberOperand(frame.allocateVariable(kAllocAnchor));
    frame.recordLine(none, ConditionType::Greater, x, numberOperand(0), none);
    frame.appendConditionStart();
    if (y) {
        frame.recordLine(*y, InformationType::Length, textOperand(a), none, none);
        frame.recordLine(x, ArithmeticType::Plus, x, *y, none);
    }
    frame.recordLine(x, ArithmeticType::Minus, x, numberOperand(1), none);
    frame.recordLine(name, TextOutputType::Insert, name, inserted, x);
    frame.recordLine(none, JumpType::Jump, anchor, none, none);
    frame.recordLine(none, ConditionType::End, none, none, none);
    frame.recordLine(name, TextOutputType::Join, inserted, name, none);
    frame.recordLine(none, JumpType::Anchor, anchor, none, none);
}

}  // namespace vartel

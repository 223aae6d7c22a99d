#include "operations/search_insert_lines.h"

#include "macro/instruction_catalogue.h"
#include "macro/text_edits.h"
#include "operations/character_helpers.h"
#include "operations/operation_names.h"

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
    frame.recordLine(x, kSearch, caseTypeOf(caseSensitive), name, textOperand(a), none);
    const Operand anchor = numberOperand(frame.allocateVariable(kAllocAnchor));
    frame.recordLine(none, kCondition, kGreater, x, numberOperand(0), none);
    frame.appendConditionStart();
    if (y) {
        frame.recordLine(*y, kInformation, kLength, textOperand(a), none, none);
        frame.recordLine(x, kArithmetic, kPlus, x, *y, none);
    }
    frame.recordLine(x, kArithmetic, kMinus, x, numberOperand(1), none);
    frame.recordLine(name, kTextOutput, kInsert, name, inserted, x);
    frame.recordLine(none, kJump, kJumpType, anchor, none, none);
    frame.recordLine(none, kCondition, kConditionEndTypeName, none, none, none);
    frame.recordLine(name, kTextOutput, kJoin, inserted, name, none);
    frame.recordLine(none, kJump, kAnchorTypeName, anchor, none, none);
}

}  // namespace vartel

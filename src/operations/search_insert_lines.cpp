#include "operations/search_insert_lines.h"

#include "macro/instruction_catalogue.h"
#include "macro/text_edits.h"
#include "operations/character_helpers.h"
#include "operations/operation_names.h"

namespace vartel {

Text insertAtSearch(const Text& stem, const Text& inserted, const Text& a, bool caseSensitive,
                    bool afterA) {
    const int p = WPos(a, stem, caseSensitive);
    if (p == 0) return inserted + stem;
    return insertCharacters(stem, inserted, afterA ? p + WLength(a) - 1 : p - 1);
}

void recordInsertAtSearch(RecordingFrame& frame, const Operand& inserted, const Text& a,
                          bool caseSensitive, const Operand& x, const std::optional<Operand>& y) {
    const Operand name = nameOperand();
    const Operand none = emptyOperand();
    frame.FPos(x, kSearch, caseTypeOf(caseSensitive), name, textOperand(a), none);
    const Operand anchor = numberOperand(frame.FnLabel(kAllocAnchor));
    frame.FPos(none, kCondition, kGreater, x, numberOperand(0), none);
    frame.appendConditionStart();
    if (y) {
        frame.FPos(*y, kInformation, kLength, textOperand(a), none, none);
        frame.FPos(x, kArithmetic, kPlus, x, *y, none);
    }
    frame.FPos(x, kArithmetic, kMinus, x, numberOperand(1), none);
    frame.FPos(name, kTextOutput, kInsert, name, inserted, x);
    frame.FPos(none, kJump, kJumpType, anchor, none, none);
    frame.FPos(none, kCondition, kConditionEndTypeName, none, none, none);
    frame.FPos(name, kTextOutput, kJoin, inserted, name, none);
    frame.FPos(none, kJump, kAnchorTypeName, anchor, none, none);
}

}  // namespace vartel

#pragma once

#include "common/integer_text.h"
#include "macro/instruction_id.h"
#include "macro/macro_line.h"

namespace vartel {

// The cells of a macro line as the line lists show them: number, target, kind, type and the
// three operands.
inline Text macroLineCell(const MacroLine& line, int row, int column) {
    switch (column) {
        case 0:
            return formatInteger(row + 1);
        case 1:
            return line.display.target;
        case 2:
            return line.display.kind;
        case 3:
            return line.display.type;
        default:
            return line.display.operands[static_cast<std::size_t>(column - 4)];
    }
}

// Comment lines are drawn in red.
inline bool isCommentLine(const MacroLine& line) {
    return line.coded.holds(InformationType::Comment);
}

}  // namespace vartel

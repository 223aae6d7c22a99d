#pragma once

#include <optional>

#include "common/integer_text.h"
#include "macro/instruction_catalogue.h"
#include "macro/macro_program.h"
#include "macro/variables.h"

namespace vartel {

// Builds a line from what a user would type, with the codes the editor would give it.
inline int typedOperandCode(const Text& text) {
    if (text.empty()) return kEmptyCode;
    if (const auto code = variableCode(text)) return *code;
    return parseInteger(text) ? kNumericLiteralCode : kTextLiteralCode;
}

inline MacroLine typedLine(const Text& target, const Text& kind, const Text& type,
                           const Text& a = {}, const Text& b = {}, const Text& c = {}) {
    const int kindIndex = InstructionCatalogue::kindIndexOf(kind).value();
    const bool blockStart = type == kConditionStartTypeName || type == kLoopStartTypeName;
    const int typeIndex =
        blockStart ? kBlockStartType : InstructionCatalogue::typeIndexOf(kindIndex, type).value();
    return {{target, kind, type, {a, b, c}},
            CodedRow(target.empty() ? 0 : variableCode(target).value(), kindIndex, typeIndex,
                     typedOperandCode(a), typedOperandCode(b), typedOperandCode(c))};
}

inline MacroProgram programOf(std::initializer_list<MacroLine> lines) {
    MacroProgram program;
    for (const auto& line : lines) program.appendLine(line);
    return program;
}

}  // namespace vartel

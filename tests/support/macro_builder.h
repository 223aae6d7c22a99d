#pragma once

#include <optional>

#include "macro/instruction_catalogue.h"
#include "macro/macro_program.h"
#include "macro/operand_validation.h"
#include "macro/variables.h"

namespace vartel {

// Builds a line from what a user would type, with the codes the editor would give it.
inline MacroLine typedLine(const Text& target, const Text& kind, const Text& type,
                           const Text& a = {}, const Text& b = {}, const Text& c = {}) {
    const int kindIndex = InstructionCatalogue::kindIndexOf(kind).value();
    const bool blockStart = type == kConditionStartTypeName || type == kLoopStartTypeName;
    const int typeIndex =
        blockStart ? kBlockStartType : InstructionCatalogue::typeIndexOf(kindIndex, type).value();
    return {{target, kind, type, {a, b, c}},
            CodedRow(targetCodeOf(target).value(), {kindIndex, typeIndex}, operandCodeOf(a),
                     operandCodeOf(b), operandCodeOf(c))};
}

inline MacroProgram programOf(const std::vector<MacroLine>& lines) {
    MacroProgram program;
    for (const auto& line : lines) program.appendLine(line);
    return program;
}

inline MacroProgram programOf(std::initializer_list<MacroLine> lines) {
    return programOf(std::vector<MacroLine>(lines));
}

}  // namespace vartel

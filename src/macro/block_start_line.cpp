#include "macro/block_start_line.h"

#include "macro/instruction_catalogue.h"
#include "macro/variables.h"

namespace vartel {

std::optional<MacroLine> blockStartLineAfter(InstructionId instruction) {
    const auto [kind, type] = instruction;
    if ((kind != kKindCondition && kind != kKindLoop) || type < 0 || type >= kBlockEndType)
        return std::nullopt;
    const Text& typeName = kind == kKindCondition ? kConditionStartTypeName : kLoopStartTypeName;
    return MacroLine{{{}, InstructionCatalogue::kindName(kind), typeName, {}},
                     CodedRow(kEmptyCode, {kind, kBlockStartType}, 0, 0, 0)};
}

}  // namespace vartel

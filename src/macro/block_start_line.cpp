#include "macro/block_start_line.h"

#include "macro/instruction_catalogue.h"

namespace vartel {

std::optional<MacroLine> blockStartLineAfter(int kind, int type) {
    if ((kind != kKindCondition && kind != kKindLoop) || type < 0 || type >= kBlockEndType)
        return std::nullopt;
    const auto& kindName = InstructionCatalogue::kinds()[static_cast<std::size_t>(kind)].name;
    const Text& typeName = kind == kKindCondition ? kConditionStartTypeName : kLoopStartTypeName;
    return MacroLine{{{}, kindName, typeName, {}}, CodedRow(0, kind, kBlockStartType, 0, 0, 0)};
}

}  // namespace vartel

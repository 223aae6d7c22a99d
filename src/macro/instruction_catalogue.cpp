#include "macro/instruction_catalogue.h"

namespace vartel {

std::vector<Text> InstructionCatalogue::kindNames() {
    std::vector<Text> names;
    for (const auto& kind : kinds()) names.push_back(kind.name);
    return names;
}

std::vector<Text> InstructionCatalogue::typeNames(int kind) {
    std::vector<Text> names;
    if (kind < 0 || kind >= static_cast<int>(kinds().size())) return names;
    for (const auto& type : kinds()[static_cast<std::size_t>(kind)].types)
        names.push_back(type.name);
    return names;
}

std::optional<int> InstructionCatalogue::kindIndexOf(std::u32string_view name) {
    const auto& all = kinds();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].name == name) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> InstructionCatalogue::typeIndexOf(int kind, std::u32string_view name) {
    const auto names = typeNames(kind);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return static_cast<int>(i);
    }
    return std::nullopt;
}

const InstructionType* InstructionCatalogue::find(int kind, int type) {
    if (kind < 0 || kind >= static_cast<int>(kinds().size())) return nullptr;
    const auto& types = kinds()[static_cast<std::size_t>(kind)].types;
    if (type < 0 || type >= static_cast<int>(types.size())) return nullptr;
    return &types[static_cast<std::size_t>(type)];
}

std::optional<int> InstructionCatalogue::signatureCode(int kind, int type) {
    const InstructionType* found = find(kind, type);
    if (!found) return std::nullopt;
    return found->signatureCode;
}

const ReferenceEntry* InstructionCatalogue::referenceEntry(int kind, int type) {
    const InstructionType* found = find(kind, type);
    if (!found) return nullptr;
    return &functionReference()[static_cast<std::size_t>(found->referenceRow)];
}

int InstructionCatalogue::signatureDigit(int signatureCode, int position) {
    static constexpr int kPlace[] = {1000, 100, 10, 1};
    return (signatureCode / kPlace[position]) % 10;
}

}  // namespace vartel

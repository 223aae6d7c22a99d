#include "macro/instruction_catalogue.h"

namespace vartel {

const std::vector<InstructionKind>& InstructionCatalogue::kinds() {
    static const std::vector<InstructionKind> built = [] {
        std::vector<InstructionKind> all;
        for (const Text& name : kindTable()) all.push_back({name, {}});
        for (const CatalogueRow& row : typeTable()) {
            auto& types = all[static_cast<std::size_t>(row.id.kind)].types;
            const auto at = static_cast<std::size_t>(row.id.type);
            if (types.size() <= at) types.resize(at + 1);
            types[at] = {row.name, row.signatureCode};
        }
        return all;
    }();
    return built;
}

std::vector<Text> InstructionCatalogue::kindNames() {
    return kindTable();
}

std::vector<Text> InstructionCatalogue::typeNames(int kind) {
    std::vector<Text> names;
    if (kind < 0 || kind >= static_cast<int>(kinds().size())) return names;
    for (const auto& type : kinds()[static_cast<std::size_t>(kind)].types)
        names.push_back(type.name);
    return names;
}

std::optional<int> InstructionCatalogue::kindIndexOf(std::u32string_view name) {
    const auto& all = kindTable();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == name) return static_cast<int>(i);
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

const InstructionType* InstructionCatalogue::find(InstructionId id) {
    if (id.kind < 0 || id.kind >= static_cast<int>(kinds().size())) return nullptr;
    const auto& types = kinds()[static_cast<std::size_t>(id.kind)].types;
    if (id.type < 0 || id.type >= static_cast<int>(types.size())) return nullptr;
    return &types[static_cast<std::size_t>(id.type)];
}

std::optional<int> InstructionCatalogue::signatureCode(InstructionId id) {
    const InstructionType* found = find(id);
    if (!found) return std::nullopt;
    return found->signatureCode;
}

const ReferenceEntry* InstructionCatalogue::referenceEntry(InstructionId id) {
    if (!find(id)) return nullptr;
    for (const auto& entry : functionReference()) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

const Text& InstructionCatalogue::kindName(int kind) {
    return kindTable().at(static_cast<std::size_t>(kind));
}

const Text& InstructionCatalogue::typeName(InstructionId id) {
    return kinds()
        .at(static_cast<std::size_t>(id.kind))
        .types.at(static_cast<std::size_t>(id.type))
        .name;
}

int InstructionCatalogue::signatureDigit(int signatureCode, int position) {
    static constexpr int kPlace[] = {1000, 100, 10, 1};
    return (signatureCode / kPlace[position]) % 10;
}

}  // namespace vartel

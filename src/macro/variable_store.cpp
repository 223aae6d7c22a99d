#include "macro/variable_store.h"

namespace vartel {
namespace {

void loadClass(std::array<Text, kSlotCount>& slots, const VariableTable& table, int firstCode) {
    for (int i = 0; i < 16; ++i) {
        slots[static_cast<std::size_t>(firstCode + i)] =
            table.entries[static_cast<std::size_t>(i)].value;
    }
}

}  // namespace

void VariableStore::loadAll(const std::array<VariableTable, 4>& tables) {
    for (int c = 0; c < 4; ++c) loadClass(slots_, tables[static_cast<std::size_t>(c)], c * 16 + 1);
}

void VariableStore::loadPerFile(const std::array<VariableTable, 4>& tables) {
    loadClass(slots_, tables[0], 1);
    loadClass(slots_, tables[2], 33);
}

}  // namespace vartel

#include "macro/variable_table.h"

#include "macro/variables.h"

namespace vartel {

std::array<VariableTable, 4> newVariableTables() {
    std::array<VariableTable, 4> tables;
    for (int code = 1; code <= kVariableCount; ++code) {
        tables[static_cast<std::size_t>((code - 1) / 16)]
            .entries[static_cast<std::size_t>((code - 1) % 16)] = {variableName(code), U"0"};
    }
    return tables;
}

}  // namespace vartel

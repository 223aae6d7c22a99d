#pragma once

#include <array>

#include "common/text.h"

namespace vartel {

struct VariableEntry {
    Text name;
    Text value;
    bool operator==(const VariableEntry&) const = default;
};

// The sixteen initial values of one variable class, in slot order.
struct VariableTable {
    std::array<VariableEntry, 16> entries;
    bool operator==(const VariableTable&) const = default;
};

// The four tables of a new macro: every variable with the value "0".
std::array<VariableTable, 4> newVariableTables();

}  // namespace vartel

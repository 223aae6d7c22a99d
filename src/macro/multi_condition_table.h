#pragma once

#include <vector>

#include "common/text.h"

namespace vartel {

// The lookup table of the "複数条件" instructions: ordered pairs, searched from the top.
struct MultiConditionRow {
    Text search;
    Text output;
    bool operator==(const MultiConditionRow&) const = default;
};

struct MultiConditionTable {
    std::vector<MultiConditionRow> rows;
};

}  // namespace vartel

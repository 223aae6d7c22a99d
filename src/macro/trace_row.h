#pragma once

#include <array>
#include <cstdint>

#include "common/text.h"

namespace vartel {

// One executed line as the test window lists it.
struct TraceRow {
    int number = 0;  // line index + 1
    Text output;     // the target's slot after the line ran
    std::array<Text, 3> operandTexts;
    std::array<std::int32_t, 3> operandNumbers{};
};

}  // namespace vartel

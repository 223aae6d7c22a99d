#pragma once

#include <utility>
#include <vector>

#include "common/text.h"

namespace vartel {

// Pieces of the date and time texts, numbers without leading zeros.
Text hour12Text(int hour);                 // the hour itself up to 12, then hour − 12
const Text& morningOrAfternoon(int hour);  // "午前" up to 12, "午後" after

// Replaces each placeholder in turn, in the order given, case-sensitively.
Text fillPlaceholders(const Text& pattern, const std::vector<std::pair<Text, Text>>& values);

}  // namespace vartel

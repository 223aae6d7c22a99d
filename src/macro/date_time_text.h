#pragma once

#include <utility>
#include <vector>

#include "common/text.h"
#include "platform/clock.h"

namespace vartel {

// Pieces of the date and time texts, numbers without leading zeros.
Text hour12Text(int hour);                 // the hour itself up to 12, then hour − 12
const Text& morningOrAfternoon(int hour);  // "午前" up to 12, "午後" after

// A date and time written by a pattern of the file instructions: %y year, %m month, %d day,
// %h24 and %h12 hour, %mora 午前/午後, %mi minute, %s second; %0m, %0d, %0h24, %0h12, %0mi and
// %0s write the same with a leading zero below 10; the era forms as in formatDate.
Text formatDateTime(const Text& pattern, const LocalDateTime& at);
// A date written by the pattern of the current date: %y year, %m month, %d day, and the
// Japanese era forms %era 令和, %ey its year (元 for the first) and %wareki both (令和6年).
Text formatDate(const Text& pattern, const LocalDateTime& at);

// Replaces each placeholder in turn, in the order given, case-sensitively.
Text fillPlaceholders(const Text& pattern, const std::vector<std::pair<Text, Text>>& values);

}  // namespace vartel

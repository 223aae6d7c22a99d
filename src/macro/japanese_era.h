#pragma once

#include "common/text.h"

namespace vartel {

// A date in the Japanese calendar: the era (令和) and the year within it, 1 for its first year.
struct JapaneseEraYear {
    Text era;
    int year = 0;
};

// The era of a day of the Gregorian calendar, as ICU's Japanese calendar counts it: an era
// begins on the day its emperor acceded (2019/04/30 is 平成31, 2019/05/01 令和1).
JapaneseEraYear japaneseEraYear(int year, int month, int day);

// The year of an era as written: 元 for its first year, as in 令和元年, else its number.
Text eraYearText(int eraYear);
// The era and its year as written: 令和6年, 令和元年.
Text eraYearWritten(const JapaneseEraYear& date);

}  // namespace vartel

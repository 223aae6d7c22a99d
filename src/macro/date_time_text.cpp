#include "macro/date_time_text.h"

#include "common/integer_text.h"
#include "macro/text_edits.h"

namespace vartel {
namespace {

const Text kMorning = U"午前";
const Text kAfternoon = U"午後";
// 12 o'clock itself still counts as morning.
constexpr int kLastMorningHour = 12;

}  // namespace

Text hour12Text(int hour) {
    return formatInteger(hour <= kLastMorningHour ? hour : hour - 12);
}

const Text& morningOrAfternoon(int hour) {
    return hour <= kLastMorningHour ? kMorning : kAfternoon;
}

Text fillPlaceholders(const Text& pattern, const std::vector<std::pair<Text, Text>>& values) {
    Text result = pattern;
    for (const auto& [placeholder, value] : values) {
        result = replaceAll(result, placeholder, value, false);
    }
    return result;
}

}  // namespace vartel

#include "macro/date_time_text.h"

#include <algorithm>
#include <iterator>

#include "common/integer_text.h"
#include "macro/japanese_era.h"
#include "macro/text_edits.h"

namespace vartel {
namespace {

const Text kMorning = U"午前";
const Text kAfternoon = U"午後";
// 12 o'clock itself still counts as morning.
constexpr int kLastMorningHour = 12;

int hour12Of(int hour) {
    return hour <= kLastMorningHour ? hour : hour - 12;
}

Text twoDigits(int value) {
    Text digits = value >= 0 && value < 10 ? U"0" : U"";
    return digits.append(formatInteger(value));
}

using Placeholders = std::vector<std::pair<Text, Text>>;

// The era forms go before the others, none of which they contain. The calendar is asked only
// when the pattern holds one of them, since it costs more than the rest of the pattern.
Placeholders withEraForms(const Text& pattern, const LocalDateTime& at, Placeholders others) {
    constexpr std::u32string_view kEraForms[] = {U"%wareki", U"%era", U"%ey"};
    const bool wanted =
        std::any_of(std::begin(kEraForms), std::end(kEraForms),
                    [&](std::u32string_view form) { return pattern.find(form) != Text::npos; });
    if (!wanted) return others;
    const JapaneseEraYear date = japaneseEraYear(at.year, at.month, at.day);
    Placeholders all = {{Text(kEraForms[0]), eraYearWritten(date)},
                        {Text(kEraForms[1]), date.era},
                        {Text(kEraForms[2]), eraYearText(date.year)}};
    all.insert(all.end(), others.begin(), others.end());
    return all;
}

}  // namespace

Text hour12Text(int hour) {
    return formatInteger(hour12Of(hour));
}

const Text& morningOrAfternoon(int hour) {
    return hour <= kLastMorningHour ? kMorning : kAfternoon;
}

Text formatDateTime(const Text& pattern, const LocalDateTime& at) {
    // Longer placeholders go before those they begin with: "%0mi" before "%0m", "%mi" and
    // "%mora" before "%m", each two-digit form before its one-digit form.
    return fillPlaceholders(pattern, withEraForms(pattern, at,
                                                  {{U"%y", formatInteger(at.year)},
                                                   {U"%0mi", twoDigits(at.minute)},
                                                   {U"%mi", formatInteger(at.minute)},
                                                   {U"%0d", twoDigits(at.day)},
                                                   {U"%d", formatInteger(at.day)},
                                                   {U"%0h24", twoDigits(at.hour)},
                                                   {U"%h24", formatInteger(at.hour)},
                                                   {U"%0h12", twoDigits(hour12Of(at.hour))},
                                                   {U"%h12", hour12Text(at.hour)},
                                                   {U"%mora", morningOrAfternoon(at.hour)},
                                                   {U"%0s", twoDigits(at.second)},
                                                   {U"%s", formatInteger(at.second)},
                                                   {U"%0m", twoDigits(at.month)},
                                                   {U"%m", formatInteger(at.month)}}));
}

Text formatDate(const Text& pattern, const LocalDateTime& at) {
    return fillPlaceholders(pattern, withEraForms(pattern, at,
                                                  {{U"%y", formatInteger(at.year)},
                                                   {U"%m", formatInteger(at.month)},
                                                   {U"%d", formatInteger(at.day)}}));
}

Text fillPlaceholders(const Text& pattern, const std::vector<std::pair<Text, Text>>& values) {
    Text result = pattern;
    for (const auto& [placeholder, value] : values) {
        result = replaceAll(result, placeholder, value, false);
    }
    return result;
}

}  // namespace vartel

#include "common/integer_text.h"
#include "macro/date_time_text.h"
#include "macro/instruction_families.h"
#include "macro/japanese_era.h"

namespace vartel {

void currentDate(DateType type, InstructionContext& context) {
    const LocalDateTime now = context.services.clock.now();
    const Text year = formatInteger(now.year);
    const Text month = formatInteger(now.month);
    const Text day = formatInteger(now.day);
    switch (type) {
        case DateType::Written:
            context.storeResult(year + U"年" + month + U"月" + day + U"日");
            break;
        case DateType::Digits:
            context.storeResult(year + month + day);
            break;
        case DateType::Pattern:
            context.storeResult(formatDate(context.operands[0].text, now));
            break;
        case DateType::EraName:
            context.storeResult(japaneseEraYear(now.year, now.month, now.day).era);
            break;
        case DateType::EraYear:
            context.storeResult(eraYearText(japaneseEraYear(now.year, now.month, now.day).year));
            break;
        case DateType::EraWritten:
            context.storeResult(eraYearWritten(japaneseEraYear(now.year, now.month, now.day)));
            break;
    }
}

void currentTime(TimeType type, InstructionContext& context) {
    const LocalDateTime now = context.services.clock.now();
    const Text hour = formatInteger(now.hour);
    const Text minute = formatInteger(now.minute);
    switch (type) {
        case TimeType::MorningAfternoon:
            context.storeResult(morningOrAfternoon(now.hour) + hour12Text(now.hour) + U"時" +
                                minute + U"分");
            break;
        case TimeType::HoursMinutes:
            context.storeResult(hour + U"時" + minute + U"分");
            break;
        case TimeType::Digits:
            context.storeResult(hour + minute);
            break;
        case TimeType::Pattern:
            context.storeResult(fillPlaceholders(context.operands[0].text,
                                                 {{U"%h24", hour},
                                                  {U"%h12", hour12Text(now.hour)},
                                                  {U"%mora", morningOrAfternoon(now.hour)},
                                                  {U"%mi", minute}}));
            break;
    }
}

}  // namespace vartel

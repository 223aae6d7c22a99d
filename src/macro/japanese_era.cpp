#include "macro/japanese_era.h"

#include <unicode/calendar.h>
#include <unicode/fieldpos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <chrono>
#include <memory>

#include "common/integer_text.h"

namespace vartel {
namespace {

// ICU's calendar and formatter are costly to make and not safe to share between threads, so
// each thread makes its own once. Both count in GMT: the day given is already local.
class EraCalendar {
  public:
    EraCalendar() {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale japanese("ja_JP@calendar=japanese");
        calendar_.reset(
            icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), japanese, status));
        eraFormat_ = std::make_unique<icu::SimpleDateFormat>(u"G", japanese, status);
        if (U_FAILURE(status)) {
            calendar_.reset();
            eraFormat_.reset();
        }
    }

    JapaneseEraYear at(int year, int month, int day) {
        if (!calendar_) return {};
        namespace chrono = std::chrono;
        const chrono::sys_days date =
            chrono::year_month_day{chrono::year(year), chrono::month(static_cast<unsigned>(month)),
                                   chrono::day(static_cast<unsigned>(day))};
        UErrorCode status = U_ZERO_ERROR;
        calendar_->setTime(static_cast<UDate>(date.time_since_epoch().count()) * kMillisPerDay,
                           status);
        icu::UnicodeString era;
        icu::FieldPosition position;
        eraFormat_->format(*calendar_, era, position);
        const int eraYear = calendar_->get(UCAL_YEAR, status);
        if (U_FAILURE(status)) return {};
        return {textFromUtf16(
                    std::u16string_view(era.getBuffer(), static_cast<std::size_t>(era.length()))),
                eraYear};
    }

  private:
    static constexpr double kMillisPerDay = 86400000.0;

    std::unique_ptr<icu::Calendar> calendar_;
    std::unique_ptr<icu::SimpleDateFormat> eraFormat_;
};

}  // namespace

JapaneseEraYear japaneseEraYear(int year, int month, int day) {
    thread_local EraCalendar calendar;
    return calendar.at(year, month, day);
}

Text eraYearText(int eraYear) {
    return eraYear == 1 ? Text(U"元") : formatInteger(eraYear);
}

Text eraYearWritten(const JapaneseEraYear& date) {
    return date.era + eraYearText(date.year) + U"年";
}

}  // namespace vartel

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace vartel {

// When a photo was taken, as the camera's clock showed it where it was taken.
struct DateTaken {
    LocalDateTime at;
    std::string subseconds;  // the fraction's digits as recorded; empty when none
    std::string offset;      // "+09:00" or "-05:30"; empty when none

    // Orders by the clock time, then by the fraction, so burst shots keep their order.
    std::string sortKey() const;
    // "2024-05-03T09:05:07.123+09:00", the parts that are missing left out.
    std::string isoText() const;
};

// "YYYY:MM:DD HH:MM:SS" as image tags hold it. Blank or zeroed dates, which cameras write when
// their clock was never set, count as no date at all.
std::optional<DateTaken> parseTagDate(std::string_view date, std::string_view subseconds,
                                      std::string_view offset);

// "YYYY-MM-DDThh:mm[:ss[.fraction]][Z|+hh:mm]" as embedded XML metadata holds it.
std::optional<DateTaken> parseIsoDate(std::string_view text);

}  // namespace vartel

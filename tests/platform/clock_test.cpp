#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace vartel {
namespace {

bool operator==(const LocalDateTime& a, const LocalDateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

// Sets a time zone for the test and puts the one before back.
class TimeZoneScope {
  public:
    explicit TimeZoneScope(const char* zone) {
        if (const char* before = std::getenv("TZ")) before_ = before;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZoneScope() {
        if (before_.empty())
            ::unsetenv("TZ");
        else
            ::setenv("TZ", before_.c_str(), 1);
        ::tzset();
    }

  private:
    std::string before_;
};

// A converter that keeps its last answer must still give each moment its own local time:
// repeated moments, moments on both sides of a change to summer time, and the same moment
// again after others.
TEST(LocalTimeConverterTest, GivesWhatEachMomentConvertedAloneGives) {
    const TimeZoneScope berlin("Europe/Berlin");
    constexpr std::int64_t kSummerTimeStarts = 1616893200;  // 2021/03/28 3:00:00 in Berlin
    const std::int64_t moments[] = {kSummerTimeStarts - 1,
                                    kSummerTimeStarts - 1,
                                    kSummerTimeStarts,
                                    kSummerTimeStarts,
                                    kSummerTimeStarts - 1,
                                    0,
                                    0,
                                    -86401,
                                    4102444800};
    LocalTimeConverter converter;
    for (const auto moment : moments) {
        EXPECT_TRUE(converter.of(moment) == localDateTimeOf(moment)) << moment;
    }
    LocalTimeConverter fresh;
    EXPECT_TRUE((fresh.of(kSummerTimeStarts - 1) == LocalDateTime{2021, 3, 28, 1, 59, 59}));
    EXPECT_TRUE((fresh.of(kSummerTimeStarts) == LocalDateTime{2021, 3, 28, 3, 0, 0}));
}

}  // namespace
}  // namespace vartel

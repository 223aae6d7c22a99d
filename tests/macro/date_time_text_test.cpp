#include "macro/date_time_text.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

struct PatternCase {
    LocalDateTime at;
    Text pattern;
    Text expected;
};

class FormatDateTimeTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatDateTimeTest, FillsEveryPlaceholder) {
    EXPECT_EQ(formatDateTime(GetParam().pattern, GetParam().at), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatDateTimeTest,
    testing::Values(
        PatternCase{{2024, 5, 3, 9, 5, 7}, U"%y-%0m-%0d_%0h24%0mi%0s", U"2024-05-03_090507"},
        PatternCase{{2024, 5, 3, 9, 5, 7}, U"%y-%m-%d %h24:%mi:%s", U"2024-5-3 9:5:7"},
        // Values of two digits are not padded further.
        PatternCase{
            {2024, 12, 31, 23, 59, 58}, U"%0m/%0d %0h24:%0mi:%0s %0h12", U"12/31 23:59:58 11"},
        // Midnight, noon and one in the afternoon in twelve-hour form.
        PatternCase{{2024, 1, 1, 0, 0, 0}, U"%mora%0h12|%h12", U"午前00|0"},
        PatternCase{{2024, 1, 1, 12, 0, 0}, U"%mora%0h12", U"午前12"},
        PatternCase{{2024, 1, 1, 13, 0, 0}, U"%mora%0h12", U"午後01"},
        // The longer placeholders are not taken for the month or the seconds.
        PatternCase{{2024, 6, 4, 17, 5, 9}, U"%0mi%0m%mi%m%mora%0s%s", U"050656午後099"},
        PatternCase{{2024, 6, 4, 17, 5, 9}, U"%M %0 %0x 100%", U"%M %0 %0x 100%"},
        PatternCase{{2024, 5, 3, 9, 5, 7}, U"%era%ey年%0m月_%y", U"令和6年05月_2024"}));

// An era begins on its first day, and its first year is 元年.
INSTANTIATE_TEST_SUITE_P(
    EraBoundaries, FormatDateTimeTest,
    testing::Values(PatternCase{{1868, 9, 7, 0, 0, 0}, U"%wareki", U"慶応4年"},
                    PatternCase{{1868, 9, 8, 0, 0, 0}, U"%wareki", U"明治元年"},
                    PatternCase{{1912, 7, 29, 23, 59, 59}, U"%wareki", U"明治45年"},
                    PatternCase{{1912, 7, 30, 0, 0, 0}, U"%wareki", U"大正元年"},
                    PatternCase{{1926, 12, 24, 0, 0, 0}, U"%wareki", U"大正15年"},
                    PatternCase{{1926, 12, 25, 0, 0, 0}, U"%wareki", U"昭和元年"},
                    PatternCase{{1989, 1, 7, 0, 0, 0}, U"%wareki", U"昭和64年"},
                    PatternCase{{1989, 1, 8, 0, 0, 0}, U"%era|%ey", U"平成|元"},
                    PatternCase{{2019, 4, 30, 23, 59, 59}, U"%wareki", U"平成31年"},
                    PatternCase{{2019, 5, 1, 0, 0, 0}, U"%era|%ey|%wareki", U"令和|元|令和元年"},
                    PatternCase{{2020, 1, 1, 0, 0, 0}, U"%wareki", U"令和2年"}));

}  // namespace
}  // namespace vartel

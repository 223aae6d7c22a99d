#include "platform/date_taken.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

struct TagDateCase {
    std::string date, subseconds, offset;
    std::string iso;  // empty: no date
};

class TagDateTest : public testing::TestWithParam<TagDateCase> {};

TEST_P(TagDateTest, ReadsWhatCamerasWrite) {
    const auto& c = GetParam();
    const auto taken = parseTagDate(c.date, c.subseconds, c.offset);
    EXPECT_EQ(taken ? taken->isoText() : "", c.iso) << c.date;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TagDateTest,
    testing::Values(TagDateCase{"2024:05:03 09:05:07", "", "", "2024-05-03T09:05:07"},
                    TagDateCase{"2024:05:03 09:05:07", "123", "+09:00",
                                "2024-05-03T09:05:07.123+09:00"},
                    // Padding, a trailing NUL and a fraction padded with blanks.
                    TagDateCase{std::string("2024:05:03 09:05:07\0", 20), " 04 ", "-05:30",
                                "2024-05-03T09:05:07.04-05:30"},
                    // A clock that was never set, and blank dates.
                    TagDateCase{"0000:00:00 00:00:00", "", "", ""},
                    TagDateCase{"    :  :     :  :  ", "", "", ""}, TagDateCase{"", "", "", ""},
                    TagDateCase{"2024:13:03 09:05:07", "", "", ""},
                    TagDateCase{"2024:05:03 24:05:07", "", "", ""},
                    TagDateCase{"2024-05-03 09:05:07", "", "", ""},
                    // A malformed fraction or offset is dropped, the date is kept.
                    TagDateCase{"2024:05:03 09:05:07", "12a", "+9:00", "2024-05-03T09:05:07"},
                    TagDateCase{"2024:05:03 09:05:07", "", "+24:00", "2024-05-03T09:05:07"}));

struct IsoDateCase {
    std::string text;
    std::string iso;  // empty: no date
};

class IsoDateTest : public testing::TestWithParam<IsoDateCase> {};

TEST_P(IsoDateTest, ReadsEmbeddedDates) {
    const auto taken = parseIsoDate(GetParam().text);
    EXPECT_EQ(taken ? taken->isoText() : "", GetParam().iso) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsoDateTest,
    testing::Values(IsoDateCase{"2024-05-03T09:05:07.5+09:00", "2024-05-03T09:05:07.5+09:00"},
                    IsoDateCase{"2024-05-03T09:05:07Z", "2024-05-03T09:05:07+00:00"},
                    IsoDateCase{"2024-05-03T09:05", "2024-05-03T09:05:00"},
                    IsoDateCase{"2024-05-03T09:05-03:00", "2024-05-03T09:05:00-03:00"},
                    IsoDateCase{"2024-05-03", ""}, IsoDateCase{"2024-05-03T09:05:07junk", ""},
                    IsoDateCase{"2024-05-03T09:5:07", ""}, IsoDateCase{"", ""}));

TEST(DateTakenTest, SortKeyOrdersByTimeThenFraction) {
    const auto key = [](const char* date, const char* fraction) {
        return parseTagDate(date, fraction, "")->sortKey();
    };
    EXPECT_LT(key("2024:05:03 09:05:07", ""), key("2024:05:03 09:05:07", "1"));
    EXPECT_LT(key("2024:05:03 09:05:07", "45"), key("2024:05:03 09:05:07", "5"));
    EXPECT_LT(key("2024:05:03 09:05:07", "999"), key("2024:05:03 09:05:08", ""));
    EXPECT_LT(key("2023:12:31 23:59:59", ""), key("2024:01:01 00:00:00", ""));
}

}  // namespace
}  // namespace vartel

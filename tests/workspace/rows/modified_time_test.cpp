#include "workspace/rows/modified_time.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "workspace/rows/file_entry.h"

namespace vartel {
namespace {

TEST(ModifiedTimeTest, WritesTheFormatAndPacksInTheOrderOfTime) {
    EXPECT_EQ(modifiedText({2006, 6, 4, 0, 0, 0}), U"2006/06/04");
    EXPECT_EQ(modifiedText({2006, 6, 4, 0, 0, 1}), U"2006/06/04 0:00:01");
    EXPECT_EQ(modifiedText({2006, 12, 31, 17, 5, 9}), U"2006/12/31 17:05:09");
    // Each time later than the one before it.
    const std::vector<LocalDateTime> times = {
        {1601, 1, 1, 0, 0, 0},      {1969, 12, 31, 23, 59, 59}, {2006, 6, 4, 0, 0, 0},
        {2006, 6, 4, 0, 0, 1},      {2006, 6, 4, 23, 59, 59},   {2006, 6, 5, 0, 0, 0},
        {2006, 12, 31, 23, 59, 59}, {2007, 1, 1, 0, 0, 0},      {9999, 12, 31, 23, 59, 59}};
    for (std::size_t i = 0; i < times.size(); ++i) {
        const LocalDateTime& t = times[i];
        const LocalDateTime back = unpackedDateTime(packedDateTime(t));
        EXPECT_EQ(modifiedText(back), modifiedText(t));
        EXPECT_EQ(std::tie(back.year, back.month, back.day, back.hour, back.minute, back.second),
                  std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second));
        if (i > 0) {
            EXPECT_LT(packedDateTime(times[i - 1]), packedDateTime(t)) << i;
        }
    }
}

TEST(SizeTextTest, SixtyFourBitPlainDecimal) {
    EXPECT_EQ(sizeText(std::int64_t{1} << 31), U"2147483648");
    EXPECT_EQ(sizeText(INT64_MAX), U"9223372036854775807");
    EXPECT_EQ((FileFacts{0, 0}).sizeText(), U"0");
    EXPECT_EQ((FileFacts{FileFacts::kFolder, 0}).sizeText(), U"<フォルダ>");
    EXPECT_EQ((FileFacts{0, 0}).modifiedText(), U"");  // a row made without a time
}

}  // namespace
}  // namespace vartel

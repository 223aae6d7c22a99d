#include "workspace/modified_time.h"

#include <gtest/gtest.h>

#include "workspace/file_entry.h"

namespace vartel {
namespace {

TEST(ModifiedTimeTest, WritesAndReadsTheSameFormat) {
    EXPECT_EQ(modifiedText({2006, 6, 4, 0, 0, 0}), U"2006/06/04");
    EXPECT_EQ(modifiedText({2006, 6, 4, 0, 0, 1}), U"2006/06/04 0:00:01");
    EXPECT_EQ(modifiedText({2006, 12, 31, 17, 5, 9}), U"2006/12/31 17:05:09");
    EXPECT_LT(parseModifiedText(U"2006/06/04"), parseModifiedText(U"2006/06/04 0:00:01"));
    EXPECT_LT(parseModifiedText(U"2006/06/04 23:59:59"), parseModifiedText(U"2006/06/05"));
    for (const Text bad : {U"", U"2006/6/04", U"2006/06/04 ", U"2006/06/04 24:00:00",
                           U"2006/06/04 1:0:00", U"2006-06-04", U"2006/06/04 1:00:00x"}) {
        EXPECT_FALSE(parseModifiedText(bad)) << bytesFromText(bad);
    }
}

TEST(SizeTextTest, SixtyFourBitPlainDecimal) {
    EXPECT_EQ(sizeText(std::int64_t{1} << 31), U"2147483648");
    EXPECT_EQ(parseSizeText(U"9223372036854775807"), INT64_MAX);
    for (const Text bad : {U"", U"-", U"9223372036854775808", U" 1", U"1 ", U"$10", U"１"}) {
        EXPECT_FALSE(parseSizeText(bad)) << bytesFromText(bad);
    }
}

}  // namespace
}  // namespace vartel

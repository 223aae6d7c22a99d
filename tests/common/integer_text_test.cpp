#include "common/integer_text.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(IntegerTextTest, AcceptsTheGrammarAtItsBoundaries) {
    const std::pair<Text, std::int32_t> accepted[] = {
        {U"12", 12},
        {U" 12", 12},
        {U"   -7", -7},
        {U"+3", 3},
        {U"007", 7},
        {U"-0", 0},
        {U"2147483647", 2147483647},
        {U"-2147483648", INT32_MIN},
        {U"$1F", 31},
        {U"x1f", 31},
        {U"X10", 16},
        {U"0x7FFFFFFF", 2147483647},
        {U"0X80000000", INT32_MIN},
        {U"$FFFFFFFF", -1},
        {U"$00000001", 1},
        {U"0", 0},
    };
    for (const auto& [text, value] : accepted) {
        EXPECT_EQ(parseInteger(text), value) << bytesFromText(text);
    }
}

TEST(IntegerTextTest, RefusesEverythingElse) {
    const Text refused[] = {
        U"",           U" ",           U"12 ",
        U"12a",        U"3.5",         U"１２",
        U"2147483648", U"-2147483649", U"99999999999999999999",
        U"+",          U"-",           U"$",
        U"0x",         U"$123456789",  U"$-1",
        U"- 1",        U"\t1",         U"　1",
        U"$G",         U"1e3",         U"+-1",
    };
    for (const auto& text : refused) {
        EXPECT_FALSE(parseInteger(text).has_value()) << bytesFromText(text);
    }
}

TEST(IntegerTextTest, FormatsPlainDecimal) {
    EXPECT_EQ(formatInteger(0), U"0");
    EXPECT_EQ(formatInteger(-5), U"-5");
    EXPECT_EQ(formatInteger(INT32_MIN), U"-2147483648");
    EXPECT_EQ(formatInteger(5'000'000'000LL), U"5000000000");
}

}  // namespace
}  // namespace vartel

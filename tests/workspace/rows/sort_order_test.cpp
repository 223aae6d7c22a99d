#include "workspace/rows/sort_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace vartel {
namespace {

std::vector<std::uint32_t> referenceOrder(const std::vector<Text>& texts) {
    std::vector<std::uint32_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return texts[a] < texts[b]; });
    return order;
}

// Texts that share long beginnings, differ past the bytes kept beside each row, repeat, and
// hold characters of every length in bytes, stand-ins for bytes that are not UTF-8 included.
TEST(SortOrderTest, textsComeInCodePointOrderAndEqualOnesKeepTheirPlaces) {
    const std::vector<Text> pieces = {U"a",
                                      U"b",
                                      U"\u00e9",
                                      U"\u30a2",
                                      U"\U0001F600",
                                      Text(1, char32_t{0xDC80}),
                                      Text(1, char32_t{0xDCFF}),
                                      U"\uFFFF",
                                      U"\u0100",
                                      U"",
                                      U"photo_of_the_summer_holiday_in_the_mountains_"};
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<Text> texts;
        for (int i = 0; i < 300; ++i) {
            Text text;
            for (int n = std::uniform_int_distribution<int>(0, 6)(random); n > 0; --n)
                text += pieces[std::uniform_int_distribution<std::size_t>(
                    0, pieces.size() - 1)(random)];
            texts.push_back(text);
        }
        EXPECT_EQ(textOrder(texts.size(), [&](std::size_t i) { return texts[i]; }),
                  referenceOrder(texts))
            << "round " << round;
    }
    EXPECT_TRUE(textOrder(0, [](std::size_t) { return Text(); }).empty());
}

TEST(SortOrderTest, numbersComeAscendingAndEqualOnesKeepTheirPlaces) {
    const std::vector<std::int64_t> keys = {5, -1, 5, INT64_MIN, INT64_MAX, 0, -1, 5};
    const std::vector<std::uint32_t> expected = {3, 1, 6, 5, 0, 2, 7, 4};
    EXPECT_EQ(numberOrder(keys), expected);
}

}  // namespace
}  // namespace vartel

#include "common/pace.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

// The question comes once every so many items, at the last of them, and its no stops the loop.
TEST(PaceTest, AsksAtTheLastItemOfEachStretch) {
    int asked = 0;
    Pace pace([&asked] { return ++asked < 2; }, 3);
    std::vector<bool> answers;
    for (int item = 0; item < 7; ++item) answers.push_back(pace.step());
    EXPECT_EQ(answers, (std::vector<bool>{true, true, true, true, true, false, true}));
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(pace.now());
}

// Each loop counts its own items; a pace made with nothing never asks and always goes on.
TEST(PaceTest, CopiesCountApartAndNothingAlwaysGoesOn) {
    int asked = 0;
    const Pace given([&asked] { return ++asked > 0; });
    for (int loop = 0; loop < 2; ++loop) {
        Pace pace = given;
        for (std::size_t item = 0; item + 1 < Pace::kItemsPerCheck; ++item) pace.step();
    }
    EXPECT_EQ(asked, 0);
    Pace often = given.every(2);
    often.step();
    often.step();
    EXPECT_EQ(asked, 1);

    Pace nothing;
    EXPECT_FALSE(static_cast<bool>(nothing));
    for (std::size_t item = 0; item < 2 * Pace::kItemsPerCheck; ++item) ASSERT_TRUE(nothing.step());
    EXPECT_TRUE(static_cast<bool>(given));
}

}  // namespace
}  // namespace vartel

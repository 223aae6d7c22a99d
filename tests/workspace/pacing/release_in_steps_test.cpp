#include "workspace/pacing/release_in_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vartel {
namespace {

// Everything is freed, the window breathes in between when it may, and not at all for little.
TEST(ReleaseInStepsTest, FreesAllAndBreathesInBetween) {
    struct Case {
        std::size_t items;
        bool breathing;
        int fewestBreaths;
        int mostBreaths;
    };
    for (const Case& c : {Case{0, true, 0, 0}, Case{4096, true, 0, 0}, Case{10000, true, 2, 2},
                          Case{10000, false, 0, 0}}) {
        SCOPED_TRACE(c.items);
        int breaths = 0;
        const Pace pace = [&breaths] { return ++breaths > 0; };
        std::vector<std::string> texts(c.items, std::string(40, 'x'));
        releaseInSteps(texts, c.breathing ? pace : Pace());
        EXPECT_TRUE(texts.empty());
        EXPECT_EQ(texts.capacity(), 0u);
        EXPECT_GE(breaths, c.fewestBreaths);
        EXPECT_LE(breaths, c.mostBreaths);
    }
}

TEST(ReleaseInStepsTest, ShrinkingKeepsTheFirstElementsInOrder) {
    std::vector<std::string> texts;
    for (int i = 0; i < 10000; ++i) texts.push_back(std::to_string(i) + std::string(40, 'x'));
    int breaths = 0;
    shrinkInSteps(texts, 1000, [&breaths] { return ++breaths > 0; });
    ASSERT_EQ(texts.size(), 1000u);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(texts[i], std::to_string(i) + std::string(40, 'x'));
    EXPECT_EQ(breaths, 2);
}

}  // namespace
}  // namespace vartel

#include "macro/text_search.h"

#include <gtest/gtest.h>

#include <random>

#include "macro/text_edits.h"
#include "platform/letter_case.h"

namespace vartel {
namespace {

// The rule as users know it: scan, and after a broken match start again one character after
// where it began; a match still in progress when the text ends counts.
int plainScan(std::u32string_view text, std::u32string_view pattern, bool ignoreCase) {
    std::size_t p = 0, start = 0, matched = 0;
    while (matched < pattern.size() && p < text.size()) {
        const bool same =
            ignoreCase ? sameIgnoringCase(text[p], pattern[matched]) : text[p] == pattern[matched];
        if (same) {
            if (start == 0) start = p + 1;
            ++matched;
        } else {
            if (start != 0) p = start - 1, start = 0;
            matched = 0;
        }
        ++p;
    }
    return static_cast<int>(start);
}

TEST(TextSearchTest, AgreesWithThePlainScanOnRandomTexts) {
    std::mt19937 random(7);
    const std::u32string alphabet = U"abAB　ａＡ";
    const auto randomText = [&](std::size_t maxLength) {
        std::u32string text(random() % (maxLength + 1), U' ');
        for (auto& c : text) c = alphabet[random() % alphabet.size()];
        return text;
    };
    for (int i = 0; i < 20000; ++i) {
        const auto text = randomText(12);
        const auto pattern = randomText(5);
        for (const bool ignoreCase : {false, true}) {
            ASSERT_EQ(searchPosition(text, pattern, ignoreCase),
                      plainScan(text, pattern, ignoreCase))
                << bytesFromText(text) << " / " << bytesFromText(pattern);
        }
    }
}

TEST(TextSearchTest, LongTextsTakeOnePass) {
    // A plain scan would compare about 10^11 characters here.
    const std::u32string text(1'000'000, U'a');
    const std::u32string pattern = std::u32string(400'000, U'a') + U'b';
    EXPECT_EQ(searchPosition(text, pattern, false), 600'001);  // the tail that runs out
    EXPECT_EQ(searchPosition(text + U'b', pattern, true), 600'001);
    EXPECT_EQ(searchPosition(text, U"b", false), 0);
    EXPECT_EQ(replaceAll(text, pattern, U"x", false), text);
    EXPECT_EQ(replaceAll(text + U'b', pattern, U"x", true), Text(600'000, U'a') + U"x");
}

TEST(TextSearchTest, IgnoringCaseComparesWhatTheUpperCaseConversionMakesEqual) {
    struct Case {
        Text text;
        Text pattern;
        bool found;
    };
    const Case cases[] = {
        {U"ſ", U"s", true},        // long s becomes S
        {U"ς", U"σ", true},        // final and plain sigma both become Σ
        {U"ı", U"i", true},        // dotless i becomes I
        {U"µ", U"μ", true},        // micro sign becomes Greek Μ
        {U"\u212A", U"k", false},  // the Kelvin sign stays as it is in upper case
        {U"ÀB", U"àb", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toUpper(c.text) == toUpper(c.pattern), c.found);
        EXPECT_EQ(searchPosition(c.text, c.pattern, true), c.found ? 1 : 0)
            << bytesFromText(c.text);
        EXPECT_EQ(replaceAll(c.text, c.pattern, U"_", true), c.found ? U"_" : c.text)
            << bytesFromText(c.text);
    }
}

}  // namespace
}  // namespace vartel

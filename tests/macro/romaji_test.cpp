#include "macro/romaji.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

// The romaji rules of the user's guide, one row each.
TEST(RomajiTest, SpellsKanaAsPassportsDo) {
    const std::pair<Text, Text> cases[] = {
        {U"トウキョウ", U"tokyo"},  // long vowels unmarked
        {U"オオサカ", U"osaka"},
        {U"ユウコ", U"yuko"},
        {U"タワー", U"tawa"},
        {U"エイガ", U"eiga"},  // えい and いい are written out
        {U"ニイガタ", U"niigata"},
        {U"シチツフ", U"shichitsufu"},
        {U"ジヂズヅヲ", U"jijizuzuo"},
        {U"シャシン", U"shashin"},
        {U"キョウジュ", U"kyoju"},
        {U"シンブン グンマ", U"shinbun gunma"},  // ん is n, even before b, m, p
        {U"キッテ", U"kitte"},                   // っ doubles the consonant, t before ch
        {U"マッチャ", U"matcha"},
        {U"イッショ", U"issho"},
        {U"アッ", U"a"},
        {U"ファイル ティー ヴァイオリン", U"fairu ti vaiorin"},
        {U"とうきょう", U"tokyo"},   // hiragana alike
        {U"ABC-12東", U"ABC-12東"},  // the rest stays
    };
    for (const auto& [kana, romaji] : cases)
        EXPECT_EQ(romajiOfKana(kana), romaji) << bytesFromText(kana);
}

TEST(RomajiTest, WordsJoinWithoutMergingTheirVowels) {
    RomajiWriter writer;
    for (const Text word : {U"ハル", U"ノ", U"ウタ", U"イッ", U"テ"}) writer.addWord(word);
    EXPECT_EQ(writer.take(), U"harunoutaitte");
}

}  // namespace
}  // namespace vartel

#include "macro/text_conversions.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"

namespace vartel {
namespace {

struct ConversionCase {
    TextConversion conversion;
    Text from;
    Text to;
};

class TextConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(TextConversionTest, ConvertsExactly) {
    const auto& c = GetParam();
    EXPECT_EQ(convertText(c.conversion, c.from), c.to) << bytesFromText(c.from);
}

using enum TextConversion;

INSTANTIATE_TEST_SUITE_P(
    Width, TextConversionTest,
    ::testing::Values(ConversionCase{FullWidthToHalfWidth, U"ＡＢＣ１２３", U"ABC123"},
                      ConversionCase{FullWidthToHalfWidth, U"！～｛｝＿　ｚ", U"!~{}_ z"},
                      // Kana, the yen sign and the half-width kana stay.
                      ConversionCase{FullWidthToHalfWidth, U"カナ￥ｶﾅ", U"カナ￥ｶﾅ"},
                      ConversionCase{HalfWidthToFullWidth, U"ABC 123!~", U"ＡＢＣ　１２３！～"},
                      ConversionCase{HalfWidthToFullWidth, U"ｶﾅ写真", U"ｶﾅ写真"}));

INSTANTIATE_TEST_SUITE_P(
    Kana, TextConversionTest,
    ::testing::Values(
        ConversionCase{HalfWidthKanaToFullWidth, U"ｶﾀｶﾅ", U"カタカナ"},
        ConversionCase{HalfWidthKanaToFullWidth, U"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ",
                       U"ガギグゲゴザジズゼゾダヂヅデドバビブベボ"},
        ConversionCase{HalfWidthKanaToFullWidth, U"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｳﾞﾜﾞｦﾞ", U"パピプペポヴヷヺ"},
        ConversionCase{HalfWidthKanaToFullWidth, U"ｧｨｩｪｫｬｭｮｯｰ｡｢｣､･",
                       U"ァィゥェォャュョッー。「」、・"},
        // A mark that joins nothing stands on its own; ッ and ﾟ after カ do not join.
        ConversionCase{HalfWidthKanaToFullWidth, U"ﾞｱﾞｯﾞｶﾟ", U"゛ア゛ッ゛カ゜"},
        ConversionCase{FullWidthKanaToHalfWidth, U"ガイドブック", U"ｶﾞｲﾄﾞﾌﾞｯｸ"},
        ConversionCase{FullWidthKanaToHalfWidth, U"ヴパー。", U"ｳﾞﾊﾟｰ｡"},
        // No half-width form: small ヮヵヶ, ヰヱ, hiragana and kanji stay.
        ConversionCase{FullWidthKanaToHalfWidth, U"ヮヵヶヰヱひら漢", U"ヮヵヶヰヱひら漢"},
        ConversionCase{HiraganaToKatakana, U"ぁあがぱゔゖゝゞー漢", U"ァアガパヴヶヽヾー漢"},
        ConversionCase{KatakanaToHiragana, U"ァアガパヴヶヽヾ", U"ぁあがぱゔゖゝゞ"},
        ConversionCase{KatakanaToHiragana, U"ヷヸヹヺーｶ", U"ヷヸヹヺーｶ"}));

INSTANTIATE_TEST_SUITE_P(
    NormalizationAndRepair, TextConversionTest,
    ::testing::Values(
        ConversionCase{Nfc, U"カ\u3099イト\u3099", U"ガイド"},
        ConversionCase{Nfc, U"ハ\u309Aン", U"パン"},
        ConversionCase{Nfc, U"ガイド.txt", U"ガイド.txt"},
        // Escaped bytes of a name that is not UTF-8 keep their place.
        ConversionCase{Nfc, U"カ\u3099\xDC82\xDCA0", U"ガ\xDC82\xDCA0"},
        // Code page 932 bytes left as they are: あいう.
        ConversionCase{RepairGarbled, U"\xDC82\xDCA0\xDC82\xDCA2\xDC82\xDCA4", U"あいう"},
        // The same bytes misread as code page 437 and as Windows-1252.
        ConversionCase{RepairGarbled, U"éáéóéñ", U"あいう"},
        ConversionCase{RepairGarbled, U"\u201A\u00A0\u201A\u00A2\u201A\u00A4", U"あいう"},
        // EUC-JP bytes (漢字) that are no code page 932.
        ConversionCase{RepairGarbled, U"ƒeƒXƒg.png", U"テスト.png"},
        ConversionCase{RepairGarbled, U"繧ｵ繝ｳ繝励Ν", U"サンプル"},
        ConversionCase{RepairGarbled, U"\xDCB4\xDCC1\xDCBB\xDCFA", U"漢字"},
        // Names that are fine, or whose repair would find no Japanese, stay.
        ConversionCase{RepairGarbled, U"写真.jpg", U"写真.jpg"},
        ConversionCase{RepairGarbled, U"report", U"report"},
        ConversionCase{RepairGarbled, U"café", U"café"},
        ConversionCase{RepairGarbled, U"\xDCFF\xDCFF", U"\xDCFF\xDCFF"}));

// Names that are fine as they are: European names whose accents a misreading would take for
// Japanese, Japanese names, and names that mix both.
constexpr std::u32string_view kGoodNames[] = {U"Schön.txt",
                                              U"naïve.txt",
                                              U"café",
                                              U"Müller & Söhne.pdf",
                                              U"Crème brûlée.jpg",
                                              U"Mötley Crüe - Kickstart.mp3",
                                              U"Beyoncé.flac",
                                              U"Zürich 2024.jpg",
                                              U"Éléphant.png",
                                              U"Señor Coconut.mp3",
                                              U"Ñandú.txt",
                                              U"Fußball.doc",
                                              U"Straße.txt",
                                              U"Ölfarbe.jpg",
                                              U"Übung 3.pdf",
                                              U"Größe.xls",
                                              U"Rock’n’Roll.mp3",
                                              U"Don’t Stop Me Now – Queen.mp3",
                                              U"“Quoted” name.txt",
                                              U"Œuvre complète.pdf",
                                              U"Ærøskøbing.jpg",
                                              U"Ångström.txt",
                                              U"façade.png",
                                              U"Déjà vu.mp4",
                                              U"Pokémon.png",
                                              U"Citroën DS.jpg",
                                              U"Noël.txt",
                                              U"Häagen-Dazs.png",
                                              U"résumé_2024.docx",
                                              U"Sigur Rós - Hoppípolla.flac",
                                              U"Björk - Jóga.mp3",
                                              U"El Niño.avi",
                                              U"Garçon.txt",
                                              U"Fête de la Musique.jpg",
                                              U"Hôtel Élysée.pdf",
                                              U"Kühlschrank.txt",
                                              U"Jalapeño.png",
                                              U"São Paulo.jpg",
                                              U"Dvořák – Symphony No. 9.flac",
                                              U"Čaj.txt",
                                              U"π.txt",
                                              U"Σ report.txt",
                                              U"½ price.txt",
                                              U"写真.jpg",
                                              U"テスト.png",
                                              U"議事録_第2回.docx",
                                              U"ｶﾀｶﾅ.txt",
                                              U"東京タワー.jpg",
                                              U"Café_東京.jpg",
                                              U"report",
                                              U"文字化け.txt",
                                              U"譁�蟄怜喧縺�.txt"};

// Japanese names, each of which a misreading turns into something else.
constexpr std::u32string_view kJapaneseNames[] = {
    U"サンプル",   U"テスト",   U"文字化け",       U"日本語のファイル名",
    U"あいう",     U"議事録",   U"夏休みの思い出", U"卒業式",
    U"お気に入り", U"音楽",     U"京都_001",       U"名刺",
    U"ライブ映像", U"カラオケ", U"未来へ",         U"さくら",
    U"ありがとう", U"夜空",     U"雨の日",         U"風景",
    U"動画",       U"資料",     U"運動会",         U"北海道"};
// Those whose UTF-8 bytes read as code page 932 without a byte left over.
constexpr std::u32string_view kUtf8ShownAs932Names[] = {
    U"サンプル", U"写真",   U"議事録",   U"東京タワー", U"夏休みの思い出",
    U"音楽",     U"見積書", U"報告書",   U"企画書ver2", U"京都_001",
    U"名刺",     U"履歴書", U"カラオケ", U"未来へ",     U"夜空",
    U"雨の日",   U"風景",   U"動画",     U"メモ",       U"地図",
    U"星空",     U"ラジオ", U"猫の写真", U"請求書",     U"設計図"};

TEST(GarbledNameRepairTest, GoodNamesStay) {
    for (const auto name : kGoodNames)
        EXPECT_EQ(repairGarbledName(name), name) << bytesFromText(name);
}

TEST(GarbledNameRepairTest, EachMisreadingComesBack) {
    constexpr std::u32string_view kExtensions[] = {U".jpg", U".mp3", U"", U".txt"};
    std::size_t i = 0;
    for (const auto name : kJapaneseNames) {
        const Text named = Text(name) + Text(kExtensions[i++ % 4]);
        const auto codePage932 = encodeCodePage932Exactly(named);
        ASSERT_TRUE(codePage932);
        for (const char* shownAs : {"windows-1252", "ibm-437"}) {
            const auto garbled = decodeExactly(*codePage932, shownAs);
            ASSERT_TRUE(garbled);
            EXPECT_EQ(repairGarbledName(*garbled), named)
                << shownAs << " " << bytesFromText(*garbled);
        }
        EXPECT_EQ(repairGarbledName(textFromBytes(*codePage932)), named);
    }
    for (const auto name : kUtf8ShownAs932Names) {
        const Text named = Text(name) + Text(kExtensions[i++ % 4]);
        const auto garbled = decodeExactly(bytesFromText(named), "windows-31j");
        ASSERT_TRUE(garbled) << bytesFromText(named);
        EXPECT_EQ(repairGarbledName(*garbled), named) << bytesFromText(*garbled);
    }
}

TEST(TextConversionRoundTripTest, WidthConversionsComeBackOnTheirClasses) {
    Text ascii;
    for (char32_t c = 0x20; c <= 0x7E; ++c) ascii.push_back(c);
    EXPECT_EQ(fullWidthToHalfWidth(halfWidthToFullWidth(ascii)), ascii);
    Text halfKana;
    for (char32_t c = 0xFF61; c <= 0xFF9F; ++c) halfKana.push_back(c);
    EXPECT_EQ(fullWidthKanaToHalfWidth(halfWidthKanaToFullWidth(halfKana)), halfKana);
    const Text voiced = U"ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴヷヺ";
    EXPECT_EQ(halfWidthKanaToFullWidth(fullWidthKanaToHalfWidth(voiced)), voiced);
    Text hiragana;
    for (char32_t c = U'ぁ'; c <= U'ゖ'; ++c) hiragana.push_back(c);
    EXPECT_EQ(katakanaToHiragana(hiraganaToKatakana(hiragana)), hiragana);
}

}  // namespace
}  // namespace vartel

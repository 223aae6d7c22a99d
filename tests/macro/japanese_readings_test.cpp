#include "macro/japanese_readings.h"

#include <gtest/gtest.h>

#include "macro/text_conversions.h"

namespace vartel {
namespace {

struct ReadingCase {
    Text name;
    Text katakana;
    Text romaji;
};

// Everyday names: songs, places, people, and names mixed with Latin letters and digits. The
// hiragana reading is the katakana one in hiragana.
TEST(JapaneseReadingsTest, ReadsEverydayNames) {
    const ReadingCase cases[] = {
        {U"東京タワー.jpg", U"トウキョウタワー.jpg", U"tokyotawa.jpg"},
        {U"大阪城", U"オオサカジョウ", U"osakajo"},
        {U"北海道の夏", U"ホッカイドウノナツ", U"hokkaidononatsu"},
        {U"富士山", U"フジサン", U"fujisan"},
        {U"京都旅行 2024", U"キョウトリョコウ 2024", U"kyotoryoko 2024"},
        {U"新宿", U"シンジュク", U"shinjuku"},
        {U"渋谷", U"シブヤ", U"shibuya"},
        {U"名古屋", U"ナゴヤ", U"nagoya"},
        {U"沖縄の海", U"オキナワノウミ", U"okinawanoumi"},
        {U"九州", U"キュウシュウ", U"kyushu"},
        {U"山田太郎", U"ヤマダタロウ", U"yamadataro"},
        {U"佐藤花子", U"サトウハナコ", U"satohanako"},
        {U"鈴木一郎", U"スズキイチロウ", U"suzukiichiro"},
        {U"田中 写真01", U"タナカ シャシン01", U"tanaka shashin01"},
        {U"桜 春の歌", U"サクラ ハルノウタ", U"sakura harunouta"},
        {U"君が代", U"キミガヨ", U"kimigayo"},
        {U"雪の華", U"ユキノハナ", U"yukinohana"},
        {U"赤とんぼ", U"アカトンボ", U"akatonbo"},
        {U"ふるさと", U"フルサト", U"furusato"},
        {U"月光", U"ゲッコウ", U"gekko"},
        {U"夏祭り", U"ナツマツリ", U"natsumatsuri"},
        {U"結婚式", U"ケッコンシキ", U"kekkonshiki"},
        {U"卒業式", U"ソツギョウシキ", U"sotsugyoshiki"},
        {U"運動会_DSC0012", U"ウンドウカイ_DSC0012", U"undokai_DSC0012"},
        {U"誕生日パーティー", U"タンジョウビパーティー", U"tanjobipati"},
        {U"抹茶", U"マッチャ", U"matcha"},
        {U"行ってきます", U"イッテキマス", U"ittekimasu"},
        {U"チョコレート", U"チョコレート", U"chokoreto"},
        {U"ヴァイオリン", U"ヴァイオリン", U"vaiorin"},
        {U"Beatles 愛こそはすべて", U"Beatles アイコソハスベテ", U"Beatles aikosohasubete"},
        // Only Latin letters, digits and symbols, and bytes that are not UTF-8, stay as they are.
        {U"IMG_0012 (2)", U"IMG_0012 (2)", U"IMG_0012 (2)"},
        {U"\xDC82東京\xDCA0", U"\xDC82トウキョウ\xDCA0", U"\xDC82tokyo\xDCA0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(bytesFromText(c.name));
        EXPECT_EQ(katakanaReading(c.name), c.katakana);
        EXPECT_EQ(hiraganaReading(c.name), katakanaToHiragana(c.katakana));
        EXPECT_EQ(romajiReading(c.name), c.romaji);
    }
}

}  // namespace
}  // namespace vartel

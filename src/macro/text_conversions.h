#pragma once

#include <array>
#include <string_view>

#include "common/text.h"
#include "macro/garbled_name_repair.h"
#include "macro/instruction_id.h"
#include "macro/japanese_readings.h"
#include "macro/kanji_numerals.h"

namespace vartel {

// The Japanese text conversions of the replace tab and of the macro kind "変換", in the order
// both offer them. Each has its row in kTextConversions below.
enum class TextConversion {
    FullWidthToHalfWidth,
    HalfWidthToFullWidth,
    HalfWidthKanaToFullWidth,
    FullWidthKanaToHalfWidth,
    HiraganaToKatakana,
    KatakanaToHiragana,
    Nfc,
    RepairGarbled,
    KatakanaReading,
    HiraganaReading,
    Romaji,
    KanjiNumeralsToDigits,
    DigitsToKanjiNumerals,
};
inline constexpr int kTextConversionCount = 13;

// Full-width letters, digits and symbols (U+FF01..U+FF5E) and the ideographic space to ASCII.
Text fullWidthToHalfWidth(std::u32string_view text);
// ASCII letters, digits, symbols and space to their full-width forms.
Text halfWidthToFullWidth(std::u32string_view text);
// Half-width katakana and marks to full width; a following ﾞ or ﾟ joins its kana (ｶﾞ -> ガ).
Text halfWidthKanaToFullWidth(std::u32string_view text);
// The reverse (ガ -> ｶﾞ); a character without a half-width form stays.
Text fullWidthKanaToHalfWidth(std::u32string_view text);
Text hiraganaToKatakana(std::u32string_view text);
// ヷヸヹヺ and the prolonged sound mark have no hiragana and stay.
Text katakanaToHiragana(std::u32string_view text);
// Unicode NFC: joins a kana and a separate voiced-sound mark (カ + U+3099 -> ガ). Escaped bytes
// of a name that is not UTF-8 stay where they are.
Text normalizeNfc(std::u32string_view text);

// Everything of one conversion the others read, one row per conversion in the enum's order. A
// new conversion is a row here and its function; it goes at the end, since the macro files
// store its type and the command line its kind as numbers.
struct TextConversionRow {
    TextConversion id;
    // Its type of the macro kind "変換": those after TextToNumber, in this order.
    ConvertType macroType;
    // The replace tab's choice, the recorded step's kind and the macro type's name.
    std::u32string_view caption;
    // How the recorded step's description ends, after the stretch it converts.
    std::u32string_view descriptionEnding;
    // What `vartel-cli rename --help` says of it.
    std::string_view help;
    Text (*convert)(std::u32string_view text);
};

inline constexpr std::array<TextConversionRow, kTextConversionCount> kTextConversions = {{
    {TextConversion::FullWidthToHalfWidth, ConvertType::FullWidthToHalfWidth, U"全角英数→半角",
     U"を半角英数に変換", "full-width letters, digits and symbols to half-width",
     fullWidthToHalfWidth},
    {TextConversion::HalfWidthToFullWidth, ConvertType::HalfWidthToFullWidth, U"半角英数→全角",
     U"を全角英数に変換", "half-width letters, digits and symbols to full-width",
     halfWidthToFullWidth},
    {TextConversion::HalfWidthKanaToFullWidth, ConvertType::HalfWidthKanaToFullWidth,
     U"半角カナ→全角", U"を全角カナに変換", "half-width katakana to full-width",
     halfWidthKanaToFullWidth},
    {TextConversion::FullWidthKanaToHalfWidth, ConvertType::FullWidthKanaToHalfWidth,
     U"全角カナ→半角", U"を半角カナに変換", "full-width katakana to half-width",
     fullWidthKanaToHalfWidth},
    {TextConversion::HiraganaToKatakana, ConvertType::HiraganaToKatakana, U"ひらがな→カタカナ",
     U"をカタカナに変換", "hiragana to katakana", hiraganaToKatakana},
    {TextConversion::KatakanaToHiragana, ConvertType::KatakanaToHiragana, U"カタカナ→ひらがな",
     U"をひらがなに変換", "katakana to hiragana", katakanaToHiragana},
    {TextConversion::Nfc, ConvertType::Nfc, U"NFC正規化", U"をNFC正規化",
     "Unicode NFC (joins a kana and a separate voiced-sound mark)", normalizeNfc},
    {TextConversion::RepairGarbled, ConvertType::RepairGarbled, U"文字化け修復",
     U"の文字化けを修復", "repair a name garbled by another system's code page", repairGarbledName},
    {TextConversion::KatakanaReading, ConvertType::KatakanaReading, U"読み（カタカナ）",
     U"を読み（カタカナ）に変換", "the reading of the Japanese words, in katakana",
     katakanaReading},
    {TextConversion::HiraganaReading, ConvertType::HiraganaReading, U"読み（ひらがな）",
     U"を読み（ひらがな）に変換", "the reading of the Japanese words, in hiragana",
     hiraganaReading},
    {TextConversion::Romaji, ConvertType::Romaji, U"ローマ字", U"をローマ字に変換",
     "the reading in passport romaji (tokyo, osaka)", romajiReading},
    {TextConversion::KanjiNumeralsToDigits, ConvertType::KanjiNumeralsToDigits, U"漢数字→数字",
     U"の漢数字を数字に変換", "numbers in kanji to digits (第三話 -> 第3話)",
     kanjiNumeralsToDigits},
    {TextConversion::DigitsToKanjiNumerals, ConvertType::DigitsToKanjiNumerals, U"数字→漢数字",
     U"の数字を漢数字に変換", "numbers in digits to kanji (12 -> 十二)", digitsToKanjiNumerals},
}};

// The macro types of the conversions follow TextToNumber in the table's order: stored macro
// files hold these numbers.
inline constexpr int kFirstConversionType = static_cast<int>(ConvertType::TextToNumber) + 1;
constexpr bool conversionRowsInOrder() {
    for (std::size_t i = 0; i < kTextConversions.size(); ++i) {
        const auto& row = kTextConversions[i];
        if (static_cast<std::size_t>(row.id) != i ||
            static_cast<std::size_t>(row.macroType) != kFirstConversionType + i)
            return false;
    }
    return true;
}
static_assert(conversionRowsInOrder(),
              "one row per conversion, in the enum's order and in the macro types' order");
static_assert(static_cast<int>(ConvertType::DigitsToKanjiNumerals) + 1 ==
                  kFirstConversionType + kTextConversionCount,
              "the conversions are the last macro types of the kind 変換");

constexpr const TextConversionRow& textConversionRow(TextConversion conversion) {
    return kTextConversions[static_cast<std::size_t>(conversion)];
}
// The conversion a macro type of the kind "変換" makes, if it is one of them.
constexpr const TextConversionRow* textConversionOfType(ConvertType type) {
    for (const auto& row : kTextConversions) {
        if (row.macroType == type) return &row;
    }
    return nullptr;
}

inline Text convertText(TextConversion conversion, std::u32string_view text) {
    return textConversionRow(conversion).convert(text);
}

}  // namespace vartel

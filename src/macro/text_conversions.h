#pragma once

#include "common/text.h"

namespace vartel {

// The Japanese text conversions of the replace tab and of the macro kind "変換", in the order
// both offer them.
enum class TextConversion {
    FullWidthToHalfWidth,
    HalfWidthToFullWidth,
    HalfWidthKanaToFullWidth,
    FullWidthKanaToHalfWidth,
    HiraganaToKatakana,
    KatakanaToHiragana,
    Nfc,
    RepairGarbled,
};
inline constexpr int kTextConversionCount = 8;

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
// A name garbled by an archive made on another system: bytes that are not UTF-8 are read as code
// page 932 (else EUC-JP) when that reading is exact; a UTF-8 name that is code page 932 bytes
// misread as code page 437 or Windows-1252 is read back when the result holds kana or kanji.
// Anything else stays as it is.
Text repairGarbledName(std::u32string_view text);

Text convertText(TextConversion conversion, std::u32string_view text);

}  // namespace vartel

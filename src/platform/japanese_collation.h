#pragma once

#include <string>

#include "common/text.h"

namespace vartel {

// Appends bytes whose order (byte by byte) is the Japanese dictionary order of the text: kana in
// 五十音 order, hiragana and katakana alike, then kanji, then Latin letters by their letters.
// Digits and symbols come before all of them, as ICU's Japanese collation puts them.
void appendJapaneseOrderKey(std::string& bytes, std::u32string_view text);

}  // namespace vartel

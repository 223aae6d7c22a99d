#pragma once

#include <string_view>

#include "common/text.h"

namespace vartel {

// Numbers written in kanji to half-width digits: 第三話 -> 第3話, 二千二十四年 -> 2024年,
// 十二 -> 12, 〇 and 零 -> 0, and digit by digit where no 十百千万億兆 is written (二〇二四 ->
// 2024, 〇七 -> 07). Up to 9999兆9999億9999万9999. A run that is no number as written (十十,
// 百千, 三十五六), or that touches digits (3万, 2千万) stays as it is.
Text kanjiNumeralsToDigits(std::u32string_view text);

// Numbers in half-width or full-width digits to kanji, as Japanese spells them out: 12 -> 十二,
// 2024 -> 二千二十四, 0 -> 〇, 03 -> 三. A number of more than 16 digits stays as it is.
Text digitsToKanjiNumerals(std::u32string_view text);

}  // namespace vartel

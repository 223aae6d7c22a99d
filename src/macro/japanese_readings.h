#pragma once

#include "common/text.h"

namespace vartel {

// The readings of a text's Japanese words as the dictionary guesses them, word after word. What
// has no reading (Latin letters, digits, symbols, blanks, bytes that are not UTF-8) stays as it
// is, and so does a kanji the dictionary does not know. Throw VartelError when the dictionary
// cannot be loaded.
Text katakanaReading(std::u32string_view text);
Text hiraganaReading(std::u32string_view text);
// The katakana reading in romaji (romaji.h).
Text romajiReading(std::u32string_view text);

}  // namespace vartel

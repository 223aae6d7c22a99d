#pragma once

#include "common/text.h"

namespace vartel {

// The one letter-case mapping of the program: simple, one code point to one, so a conversion
// never changes the number of characters. Used for every case conversion and every comparison
// that ignores case.
char32_t toLowerChar(char32_t c);
char32_t toUpperChar(char32_t c);
Text toLower(std::u32string_view text);
Text toUpper(std::u32string_view text);
bool sameIgnoringCase(char32_t a, char32_t b);

}  // namespace vartel

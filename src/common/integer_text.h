#pragma once

#include <cstdint>
#include <optional>

#include "common/text.h"

namespace vartel {

// The one integer grammar of the program: optional leading half-width spaces, then either an
// optional sign with half-width decimal digits that fit in 32 bits, or a hexadecimal number of at
// most eight digits after "$", "x", "X", "0x" or "0X" taken as a 32-bit pattern. Nothing may
// follow, not even a space. Full-width digits are not digits here.
std::optional<std::int32_t> parseInteger(std::u32string_view text);

// The value of one half-width hexadecimal digit, either case; -1 for any other character.
int hexDigitValue(char32_t c);

// Plain decimal with ASCII digits and a leading "-" for negatives.
Text formatInteger(std::int64_t value);

}  // namespace vartel

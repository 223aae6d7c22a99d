#pragma once

#include <cstdint>

#include "common/text.h"

namespace vartel {

// The text computations of the macro instructions. Positions are 1-based and counted in
// characters; out-of-range positions and counts never fail.

// The longest text an instruction may produce. Far beyond any file name, it keeps a huge count
// from exhausting memory and becomes a clean error instead.
inline constexpr std::size_t kMaxTextLength = 1u << 20;
// Throws VartelError when a result of this many characters would exceed the limit.
void checkTextLength(std::uint64_t length);

// count characters from position from on; a position below 1 reads the first character, one
// beyond the end reads nothing.
Text copyCharacters(std::u32string_view text, std::int32_t from, std::int32_t count);
// inserted after the first `after` characters (none when after <= 0, all when beyond the end).
Text insertCharacters(std::u32string_view text, std::u32string_view inserted, std::int32_t after);
// Removes up to count characters from position at; unchanged when at lies outside the text.
Text deleteCharacters(std::u32string_view text, std::int32_t at, std::int32_t count);
// While the text begins (ends) with a half-width or ideographic space: drop every character up
// to U+0020 there, then every ideographic space.
Text trimLeadingBlanks(std::u32string_view text);
Text trimTrailingBlanks(std::u32string_view text);
// Every occurrence of pattern, left to right, without overlap and without scanning inserted
// text again; an empty pattern changes nothing.
Text replaceAll(std::u32string_view text, std::u32string_view pattern,
                std::u32string_view replacement, bool ignoreCase);

}  // namespace vartel

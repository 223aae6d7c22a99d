#pragma once

#include <cstddef>
#include <span>

#include "common/text.h"

namespace vartel {

// The 1-based position of the first occurrence of pattern in text, or 0. When the text ends
// while a match is still in progress, the start of that partial match counts: abx in abcab is
// at 4. An empty pattern or text gives 0. Letter case through the program's one mapping.
int searchPosition(std::u32string_view text, std::u32string_view pattern, bool ignoreCase);

// For every 0-based position of text, how many characters from there agree with the start of
// pattern (at most the pattern's length). One linear pass, however long both are, since a macro
// can build texts of a million characters. The result lives until the next call on this thread.
std::span<const std::size_t> commonPrefixLengths(std::u32string_view text,
                                                 std::u32string_view pattern, bool ignoreCase);

}  // namespace vartel

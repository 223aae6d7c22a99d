#pragma once

#include "common/text.h"

namespace vartel {

// The 1-based position of pattern in text, 0 when not found or when the pattern is empty. A
// tail of the text that begins the pattern counts as found, exactly as the macro's search
// instruction does, so that a preview and a recorded step agree.
int findPosition(std::u32string_view pattern, std::u32string_view text, bool caseSensitive);

// The number of characters of text.
int characterCount(std::u32string_view text);

}  // namespace vartel

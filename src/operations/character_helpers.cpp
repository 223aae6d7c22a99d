#include "operations/character_helpers.h"

#include "macro/text_search.h"

namespace vartel {

int findPosition(std::u32string_view pattern, std::u32string_view text, bool caseSensitive) {
    return searchPosition(text, pattern, !caseSensitive);
}

int characterCount(std::u32string_view text) {
    return static_cast<int>(text.size());
}

}  // namespace vartel

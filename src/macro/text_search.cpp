#include "macro/text_search.h"

#include "platform/letter_case.h"

namespace vartel {

int searchPosition(std::u32string_view text, std::u32string_view pattern, bool ignoreCase) {
    const auto same = [ignoreCase](char32_t a, char32_t b) {
        return ignoreCase ? sameIgnoringCase(a, b) : a == b;
    };
    // Indices are 0-based here; start is the 1-based position of the match in progress.
    std::size_t p = 0;
    std::size_t start = 0;
    std::size_t matched = 0;
    while (matched < pattern.size() && p < text.size()) {
        if (same(text[p], pattern[matched])) {
            if (start == 0) start = p + 1;
            ++matched;
        } else {
            // A broken match starts again one character after where it began.
            if (start != 0) {
                p = start - 1;
                start = 0;
            }
            matched = 0;
        }
        ++p;
    }
    return static_cast<int>(start);
}

}  // namespace vartel

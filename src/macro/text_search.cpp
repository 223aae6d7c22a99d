#include "macro/text_search.h"

#include <vector>

#include "platform/letter_case.h"

namespace vartel {

// The Z algorithm over pattern, a separator and text.
std::span<const std::size_t> commonPrefixLengths(std::u32string_view text,
                                                 std::u32string_view pattern, bool ignoreCase) {
    constexpr char32_t kSeparator = 0xFFFFFFFF;  // no character has this value
    // Kept between calls: a preview searches every row's name, and most names are short.
    thread_local std::u32string joined;
    thread_local std::vector<std::size_t> common;
    joined.assign(pattern);
    joined.push_back(kSeparator);
    joined.append(text);
    // Both sides in upper case, by the same mapping as the conversion to upper case, so that
    // what the conversion makes equal is also found equal (final sigma, long s, dotless i).
    if (ignoreCase) {
        for (auto& c : joined) {
            if (c != kSeparator) c = toUpperChar(c);
        }
    }
    const std::size_t total = joined.size();
    common.assign(total, 0);
    std::size_t left = 0;
    std::size_t right = 0;
    for (std::size_t i = 1; i < total; ++i) {
        std::size_t length = i < right ? std::min(right - i, common[i - left]) : 0;
        while (i + length < total && joined[length] == joined[i + length]) ++length;
        common[i] = length;
        if (i + length > right) left = i, right = i + length;
    }
    return std::span<const std::size_t>(common).subspan(pattern.size() + 1);
}

// The rule is that of a plain scan that starts again one character after a broken match: the
// first position from which the text either holds the whole pattern or runs out while still
// matching it.
int searchPosition(std::u32string_view text, std::u32string_view pattern, bool ignoreCase) {
    if (text.empty() || pattern.empty()) return 0;
    const auto lengths = commonPrefixLengths(text, pattern, ignoreCase);
    for (std::size_t position = 0; position < lengths.size(); ++position) {
        const std::size_t length = lengths[position];
        if (length == pattern.size() || position + length == text.size()) {
            return static_cast<int>(position + 1);
        }
    }
    return 0;
}

}  // namespace vartel

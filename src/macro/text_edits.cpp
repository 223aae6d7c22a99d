#include "macro/text_edits.h"

#include <algorithm>

#include "common/error.h"
#include "macro/messages.h"
#include "macro/text_search.h"

namespace vartel {
namespace {

constexpr char32_t kSpace = U' ';
constexpr char32_t kIdeographicSpace = U'\u3000';

bool isBlank(char32_t c) {
    return c == kSpace || c == kIdeographicSpace;
}

}  // namespace

void checkTextLength(std::uint64_t length) {
    if (length > kMaxTextLength) throw VartelError(messages::kTextTooLong);
}

Text copyCharacters(std::u32string_view text, std::int32_t from, std::int32_t count) {
    if (count <= 0 || text.empty()) return {};
    // 64 bits, so from + count cannot overflow.
    const std::int64_t first = from;
    const std::int64_t last = first + count - 1;
    const std::int64_t length = static_cast<std::int64_t>(text.size());
    // Every position below 1 reads the first character.
    const std::int64_t before =
        std::max<std::int64_t>(0, std::min<std::int64_t>(last, 0) - first + 1);
    const std::int64_t begin = std::max<std::int64_t>(first, 1);
    const std::int64_t end = std::min(last, length);
    const std::int64_t inside = end >= begin ? end - begin + 1 : 0;
    checkTextLength(static_cast<std::uint64_t>(before + inside));
    Text result(static_cast<std::size_t>(before), text.front());
    if (inside > 0) {
        result.append(
            text.substr(static_cast<std::size_t>(begin - 1), static_cast<std::size_t>(inside)));
    }
    return result;
}

Text insertCharacters(std::u32string_view text, std::u32string_view inserted, std::int32_t after) {
    const auto n = static_cast<std::size_t>(
        std::clamp<std::int64_t>(after, 0, static_cast<std::int64_t>(text.size())));
    checkTextLength(static_cast<std::uint64_t>(text.size()) + inserted.size());
    Text result(text.substr(0, n));
    result.append(inserted);
    result.append(text.substr(n));
    return result;
}

Text deleteCharacters(std::u32string_view text, std::int32_t at, std::int32_t count) {
    Text result(text);
    // Deleting one character at a time, count times, comes to this one cut.
    if (count <= 0 || at < 1 || static_cast<std::size_t>(at) > text.size()) return result;
    const std::size_t remaining = text.size() - static_cast<std::size_t>(at) + 1;
    result.erase(static_cast<std::size_t>(at) - 1,
                 std::min(static_cast<std::size_t>(count), remaining));
    return result;
}

Text trimLeadingBlanks(std::u32string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) {
        while (begin < text.size() && text[begin] <= kSpace) ++begin;
        while (begin < text.size() && text[begin] == kIdeographicSpace) ++begin;
    }
    return Text(text.substr(begin));
}

Text trimTrailingBlanks(std::u32string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1])) {
        while (end > 0 && text[end - 1] <= kSpace) --end;
        while (end > 0 && text[end - 1] == kIdeographicSpace) --end;
    }
    return Text(text.substr(0, end));
}

Text replaceAll(std::u32string_view text, std::u32string_view pattern,
                std::u32string_view replacement, bool ignoreCase) {
    if (pattern.empty() || pattern.size() > text.size()) return Text(text);
    const auto lengths = commonPrefixLengths(text, pattern, ignoreCase);
    Text result;
    result.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        if (lengths[at] == pattern.size()) {
            checkTextLength(static_cast<std::uint64_t>(result.size()) + replacement.size());
            result.append(replacement);
            at += pattern.size();
        } else {
            result.push_back(text[at]);
            ++at;
        }
    }
    return result;
}

}  // namespace vartel

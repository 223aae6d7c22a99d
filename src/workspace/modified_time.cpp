#include "workspace/modified_time.h"

namespace vartel {
namespace {

// Reads minDigits to maxDigits ASCII digits at `at`.
std::optional<int> readNumber(const Text& text, std::size_t& at, int minDigits, int maxDigits) {
    int value = 0;
    int count = 0;
    while (at < text.size() && count < maxDigits && text[at] >= U'0' && text[at] <= U'9') {
        value = value * 10 + static_cast<int>(text[at] - U'0');
        ++at;
        ++count;
    }
    if (count < minDigits) return std::nullopt;
    return value;
}

bool expect(const Text& text, std::size_t& at, char32_t c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

// Written by hand: intake formats one time per file, and a formatted print costs more than the
// rest of the row.
void appendDigits(Text& text, int value, int width) {
    char32_t digits[8];
    int count = 0;
    do {
        digits[count++] = U'0' + static_cast<char32_t>(value % 10);
        value /= 10;
    } while (value > 0 && count < 8);
    while (count < width) digits[count++] = U'0';
    while (count > 0) text.push_back(digits[--count]);
}

}  // namespace

Text modifiedText(const LocalDateTime& t) {
    Text text;
    text.reserve(19);
    appendDigits(text, t.year, 4);
    text.push_back(U'/');
    appendDigits(text, t.month, 2);
    text.push_back(U'/');
    appendDigits(text, t.day, 2);
    if (t.hour != 0 || t.minute != 0 || t.second != 0) {
        text.push_back(U' ');
        appendDigits(text, t.hour, 1);
        text.push_back(U':');
        appendDigits(text, t.minute, 2);
        text.push_back(U':');
        appendDigits(text, t.second, 2);
    }
    return text;
}

std::optional<std::int64_t> parseModifiedText(const Text& text) {
    std::size_t at = 0;
    const auto year = readNumber(text, at, 4, 4);
    if (!year || !expect(text, at, U'/')) return std::nullopt;
    const auto month = readNumber(text, at, 2, 2);
    if (!month || !expect(text, at, U'/')) return std::nullopt;
    const auto day = readNumber(text, at, 2, 2);
    if (!day || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
    int hour = 0, minute = 0, second = 0;
    if (at < text.size()) {
        if (!expect(text, at, U' ')) return std::nullopt;
        const auto h = readNumber(text, at, 1, 2);
        if (!h || !expect(text, at, U':')) return std::nullopt;
        const auto m = readNumber(text, at, 2, 2);
        if (!m || !expect(text, at, U':')) return std::nullopt;
        const auto s = readNumber(text, at, 2, 2);
        if (!s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
        hour = *h, minute = *m, second = *s;
    }
    if (at != text.size()) return std::nullopt;
    return ((((static_cast<std::int64_t>(*year) * 12 + *month) * 31 + *day) * 24 + hour) * 60 +
            minute) *
               60 +
           second;
}

}  // namespace vartel

#include "common/integer_text.h"

namespace vartel {

int hexDigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
    if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
    return -1;
}

namespace {

std::optional<std::int32_t> parseHex(std::u32string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (const char32_t c : digits) {
        const int d = hexDigitValue(c);
        if (d < 0) return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> parseDecimal(std::u32string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == U'+' || text[0] == U'-')) {
        negative = text[0] == U'-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (const char32_t c : text) {
        if (c < U'0' || c > U'9') return std::nullopt;
        value = value * 10 + static_cast<std::int64_t>(c - U'0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> parseInteger(std::u32string_view text) {
    while (!text.empty() && text.front() == U' ') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    if (text.starts_with(U"0x") || text.starts_with(U"0X")) return parseHex(text.substr(2));
    if (text[0] == U'$' || text[0] == U'x' || text[0] == U'X') return parseHex(text.substr(1));
    return parseDecimal(text);
}

Text formatInteger(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

}  // namespace vartel

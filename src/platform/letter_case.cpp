#include "platform/letter_case.h"

#include <unicode/uchar.h>

namespace vartel {

char32_t toLowerChar(char32_t c) {
    if (c < 0x80) return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}

char32_t toUpperChar(char32_t c) {
    if (c < 0x80) return (c >= U'a' && c <= U'z') ? c - 32 : c;
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
}

Text toLower(std::u32string_view text) {
    Text out(text);
    for (auto& c : out) c = toLowerChar(c);
    return out;
}

Text toUpper(std::u32string_view text) {
    Text out(text);
    for (auto& c : out) c = toUpperChar(c);
    return out;
}

bool sameIgnoringCase(char32_t a, char32_t b) {
    return a == b || toUpperChar(a) == toUpperChar(b);
}

}  // namespace vartel

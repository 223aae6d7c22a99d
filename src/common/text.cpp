#include "common/text.h"

namespace vartel {
namespace {

// Byte 0x80..0xFF that is not valid UTF-8 stands as U+DC80..U+DCFF (a lone low surrogate).
constexpr char32_t kEscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence starting at bytes[i], or 0 when it is not one.
// Overlong forms, surrogates and values above U+10FFFF are invalid.
std::size_t validSequenceLength(std::string_view bytes, std::size_t i, char32_t& out) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, value = b0 & 0x1F, minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, value = b0 & 0x0F, minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, value = b0 & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        value = (value << 6) | (b & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    out = value;
    return length;
}

// Writes c as UTF-8 at out and gives the end of what it wrote.
char* writeUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Writes the bytes the text stands for at out, room for kLongestSequence bytes a character
// given, and gives the end of what it wrote.
constexpr std::size_t kLongestSequence = 4;
char* writeBytes(char* out, std::u32string_view text) {
    for (const char32_t c : text) {
        if (c < 0x80) {
            *out++ = static_cast<char>(c);
        } else if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
            *out++ = static_cast<char>(c - kEscapeBase);
        } else {
            out = writeUtf8(out, c);
        }
    }
    return out;
}

// The conversions write into a scratch buffer with room for the longest outcome and copy out
// what they wrote, so that the result holds no more than it needs and no capacity is checked
// per character: every path the program touches goes through them. The buffer is kept for
// the next call unless the text was a large one.
template <typename Char, typename Write>
std::basic_string<Char> writtenThroughScratch(std::size_t room, const Write& write) {
    constexpr std::size_t kScratchKept = 1 << 16;
    thread_local std::basic_string<Char> kept;
    std::basic_string<Char> large;
    std::basic_string<Char>& scratch = room <= kScratchKept ? kept : large;
    if (scratch.size() < room) scratch.resize(room);
    Char* const start = scratch.data();
    const Char* const end = write(start);
    return std::basic_string<Char>(start, static_cast<std::size_t>(end - start));
}

}  // namespace

Text joinedText(std::initializer_list<std::u32string_view> parts) {
    std::size_t length = 0;
    for (const auto part : parts) length += part.size();
    Text text;
    text.reserve(length);
    for (const auto part : parts) text += part;
    return text;
}

Text textFromBytes(std::string_view bytes) {
    return writtenThroughScratch<char32_t>(bytes.size(), [bytes](char32_t* out) {
        for (std::size_t i = 0; i < bytes.size();) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x80) {
                *out++ = b;
                ++i;
            } else if (const auto n = validSequenceLength(bytes, i, *out)) {
                ++out;
                i += n;
            } else {
                *out++ = kEscapeBase + b;
                ++i;
            }
        }
        return out;
    });
}

std::string bytesFromText(std::u32string_view text) {
    return writtenThroughScratch<char>(text.size() * kLongestSequence,
                                       [text](char* out) { return writeBytes(out, text); });
}

void appendBytesFromText(std::string& bytes, std::u32string_view text) {
    const std::size_t start = bytes.size();
    // Where the longest outcome would not fit, the bytes are counted first, so the string
    // grows by what it needs rather than by four times the text.
    const std::size_t longest = text.size() * kLongestSequence;
    bytes.resize(start + (bytes.capacity() - start >= longest ? longest : byteLengthOf(text)));
    const char* const end = writeBytes(bytes.data() + start, text);
    bytes.resize(static_cast<std::size_t>(end - bytes.data()));
}

std::size_t byteLengthOf(std::u32string_view text) {
    std::size_t length = 0;
    for (const char32_t c : text) {
        const bool escapedByte = c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF;
        length += c < 0x80 || escapedByte ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    }
    return length;
}

void appendOrderedBytes(std::string& bytes, std::u32string_view text) {
    const std::size_t start = bytes.size();
    bytes.resize(start + text.size() * kLongestSequence);
    char* out = bytes.data() + start;
    for (const char32_t c : text) out = writeUtf8(out, c);
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c;
        const auto n = validSequenceLength(bytes, i, c);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::u16string utf16FromText(std::u32string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

Text textFromUtf16(std::u16string_view text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        out.push_back(c);
    }
    return out;
}

bool holdsLineBreak(std::u32string_view text) {
    return text.find_first_of(U"\r\n") != std::u32string_view::npos;
}

}  // namespace vartel

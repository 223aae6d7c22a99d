#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vartel {

// One element is one character, so positions and counts are character counts.
using Text = std::u32string;

// File names and file contents are bytes. Valid UTF-8 decodes to code points; every byte that
// is not part of valid UTF-8 (always 0x80..0xFF) becomes U+DC80..U+DCFF, so any byte sequence
// survives the round trip.
Text textFromBytes(std::string_view bytes);
std::string bytesFromText(std::u32string_view text);
// The number of bytes bytesFromText gives, without making them.
std::size_t byteLengthOf(std::u32string_view text);
// Appends what bytesFromText gives, for output made of many texts without joining them first.
void appendBytesFromText(std::string& bytes, std::u32string_view text);

// The parts one after another, made in one allocation.
Text joinedText(std::initializer_list<std::u32string_view> parts);

// UTF-16 for the libraries that work in it. An escaped byte stays a lone surrogate unit and
// comes back unchanged.
std::u16string utf16FromText(std::u32string_view text);
Text textFromUtf16(std::u16string_view text);

// Appends bytes whose order (byte by byte) is the order of the text's code points: the UTF-8
// layout applied to every value alike, the stand-ins for bytes that are not UTF-8 included. A
// text decoded from valid UTF-8 gives back those bytes.
void appendOrderedBytes(std::string& bytes, std::u32string_view text);

// True when the bytes are entirely valid UTF-8 (no escaped bytes would be produced).
bool isValidUtf8(std::string_view bytes);

// True when the text holds a CR or LF. The program's files keep one record per line, so such a
// text cannot be stored in them and is refused where it is typed.
bool holdsLineBreak(std::u32string_view text);

}  // namespace vartel

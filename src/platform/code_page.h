#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/text.h"

namespace vartel {

// Code page 932 (the Japanese multibyte code page) through ICU's "windows-31j" converter.
Text decodeCodePage932(std::string_view bytes);
// Empty when some byte sequence is not a code page 932 character.
std::optional<Text> decodeCodePage932Exactly(std::string_view bytes);
// Empty when some character has no code page 932 form or would not come back unchanged.
std::optional<std::string> encodeCodePage932Exactly(std::u32string_view text);

// Any code page ICU knows by name ("windows-31j", "EUC-JP", "ibm-437", "windows-1252"), with no
// substitutes: nothing when some byte sequence (or character) has no mapping in it.
std::optional<Text> decodeExactly(std::string_view bytes, const char* codePage);
std::optional<std::string> encodeExactly(std::u32string_view text, const char* codePage);

}  // namespace vartel

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace vartel {

// Macro sources, conversion lists and lookup tables. Reading takes a UTF-8 byte order mark as
// UTF-8, otherwise valid UTF-8 as UTF-8, otherwise code page 932; CR LF, CR or LF end a line.
// Writing uses code page 932 when every character survives the trip there and back, otherwise
// UTF-8 with a byte order mark, with CR LF after every line.
std::vector<Text> decodeTextLines(std::string_view bytes);
std::string encodeTextLines(const std::vector<Text>& lines);

// Throws VartelError when the file cannot be read.
std::vector<Text> readTextFile(const std::string& path);
// Writes a temporary file beside the target and renames it over the target, so a crash never
// leaves half a file. Throws VartelError when it cannot.
void writeTextFile(const std::string& path, const std::vector<Text>& lines);

}  // namespace vartel

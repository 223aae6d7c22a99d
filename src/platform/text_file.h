#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace vartel {

// Macro sources, conversion lists and lookup tables. Reading takes a UTF-8 byte order mark as
// UTF-8; valid UTF-8 with a sequence of three or four bytes as UTF-8; valid UTF-8 whose only
// sequences are two bytes long as code page 932 when it decodes there (half-width katakana pairs
// such as "ﾃｩ" are valid UTF-8 too), else as UTF-8; anything else as code page 932. CR LF, CR or
// LF end a line. Writing uses code page 932 when every character survives the trip there and
// back and the bytes cannot be taken for UTF-8, otherwise UTF-8 with a byte order mark, with
// CR LF after every line.
std::vector<Text> decodeTextLines(std::string_view bytes);
std::string encodeTextLines(const std::vector<Text>& lines);
// The lines handed one by one to `line` on every call, so that a long list is encoded without
// a copy of its lines.
using EachLine = std::function<void(const std::function<void(std::u32string_view)>& line)>;
std::string encodeTextLines(const EachLine& eachLine);

// No text file of the program comes near this; anything larger is refused before it is read.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{64} << 20;

// The lines of a file one at a time. The file is read whole as bytes when made (throwing as
// readTextLines does), and a line is decoded only when asked for, so a list of a million paths
// is held once, as the bytes of its file.
class TextLineReader {
  public:
    explicit TextLineReader(const std::string& path);
    std::optional<Text> next();

  private:
    std::string bytes_;
    std::string_view rest_;
    bool utf8_ = true;
};

// Hands the lines to `take` in order until it returns false. Only regular files are read (a
// FIFO or a device would block or never end). Throws VartelError when the file cannot be read
// or is too large.
void readTextLines(const std::string& path, const std::function<bool(Text&&)>& take);
std::vector<Text> readTextFile(const std::string& path);

// Writes a short-named temporary file beside the target and renames it over the target, so a
// crash never leaves half a file; the saved file keeps the permissions (and, for the superuser,
// the owner) of the one it replaces. A symbolic link is followed and kept. A file with more than
// one hard link is written in place, so that every name still shows the same file. A read-only
// file is refused. Throws VartelError when it cannot save.
void writeTextFile(const std::string& path, const std::vector<Text>& lines);
void writeTextFile(const std::string& path, const EachLine& eachLine);

}  // namespace vartel

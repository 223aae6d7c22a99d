#pragma once

#include <string_view>

#include "common/text.h"

namespace vartel {

// A name garbled by an archive or a copy made on another system, read back as the Japanese it
// was. The readings tried: bytes that are not UTF-8 read as code page 932 or EUC-JP; code page
// 932 bytes that were shown as Windows-1252 or code page 437 and saved as UTF-8; and UTF-8 bytes
// shown as code page 932. A reading counts only when it is exact (every byte maps both ways),
// the name bears the marks of that misreading, and the result reads as Japanese; the most
// plausible of those wins. A name with no convincing reading, or with characters already lost
// (U+FFFD), stays as it is.
Text repairGarbledName(std::u32string_view text);

}  // namespace vartel

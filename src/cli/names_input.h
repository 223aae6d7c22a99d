#pragma once

#include <string>
#include <vector>

#include "common/text.h"

namespace vartel::cli {

// The lines of the file that --names or --pairs names, "-" for standard input, read as the
// program's other text files are (UTF-8 or code page 932, any line ends). Throws VartelError
// when it cannot be read or is too large.
std::vector<Text> readNamesFile(const std::string& path);

}  // namespace vartel::cli

#pragma once

#include <cstdio>
#include <string>

#include "common/text.h"

namespace vartel::cli {

// One record of a command's result on standard output, as UTF-8.
inline void printLine(const Text& line) {
    const std::string bytes = bytesFromText(line) + "\n";
    std::fputs(bytes.c_str(), stdout);
}

// A message or a failed row on standard error, as UTF-8.
inline void printErrorLine(const Text& line) {
    const std::string bytes = bytesFromText(line) + "\n";
    std::fputs(bytes.c_str(), stderr);
}

}  // namespace vartel::cli

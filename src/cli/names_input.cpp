#include "cli/names_input.h"

#include <cstdio>

#include "cli/messages.h"
#include "common/error.h"
#include "platform/messages.h"
#include "platform/text_file.h"

namespace vartel::cli {

std::vector<Text> readNamesFile(const std::string& path) {
    if (path != "-") return readTextFile(path);
    std::string bytes;
    char block[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, stdin)) > 0) {
        bytes.append(block, got);
        if (bytes.size() > kMaxTextFileBytes) throw VartelError(kFileTooLarge);
    }
    if (std::ferror(stdin)) throw VartelError(kCannotReadStandardInput);
    return decodeTextLines(bytes);
}

}  // namespace vartel::cli

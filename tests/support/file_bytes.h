#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace vartel {

// A file's exact bytes, for tests that check what was written or write what is to be read.
inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace vartel

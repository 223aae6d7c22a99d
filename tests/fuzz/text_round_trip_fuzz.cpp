// Any bytes survive the trip to text and back, and any text file we write reads back as the
// same lines.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vartel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytesFromText(textFromBytes(bytes)) != bytes) std::abort();
    const auto lines = decodeTextLines(bytes);
    if (decodeTextLines(encodeTextLines(lines)) != lines) std::abort();
    return 0;
}

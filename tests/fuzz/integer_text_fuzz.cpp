// Any text through the integer parser: a value it accepts is written back as a text that parses
// to the same value.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/integer_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vartel;
    const Text text = textFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto value = parseInteger(text)) {
        if (parseInteger(formatInteger(*value)) != value) std::abort();
    }
    return 0;
}

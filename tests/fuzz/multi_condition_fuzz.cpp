// Any bytes as a multi-condition file: the reader takes what qualifies and skips the rest, and
// what it takes is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "editor/multi_condition_file.h"
#include "platform/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vartel;
    const auto lines = decodeTextLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto rows = parseMultiConditionLines(lines);
    const auto again =
        parseMultiConditionLines(decodeTextLines(encodeTextLines(multiConditionLines(rows))));
    if (again != rows) std::abort();
    return 0;
}

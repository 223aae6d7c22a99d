#include "workspace/rows/sort_order.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace vartel {
namespace {

// Enough for most names whole, so most comparisons stay within the array being sorted instead
// of reaching for a text elsewhere in memory.
constexpr std::size_t kHeadBytes = 44;

struct TextKey {
    std::array<unsigned char, kHeadBytes> head{};  // the first bytes of the key, zeros after it
    std::uint32_t row = 0;
};

}  // namespace

std::vector<std::uint32_t> textOrder(std::size_t rows,
                                     const std::function<Text(std::size_t row)>& keyOf) {
    return byteOrder(rows, [&keyOf](std::string& bytes, std::size_t row) {
        appendOrderedBytes(bytes, keyOf(row));
    });
}

std::vector<std::uint32_t> byteOrder(
    std::size_t rows, const std::function<void(std::string& bytes, std::size_t row)>& appendKey) {
    // All keys side by side in one buffer, and the head of each beside its row.
    std::string bytes;
    std::vector<std::size_t> starts(rows + 1, 0);
    std::vector<TextKey> keys(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        starts[i] = bytes.size();
        appendKey(bytes, i);
        const std::size_t length = std::min(bytes.size() - starts[i], kHeadBytes);
        std::memcpy(keys[i].head.data(), bytes.data() + starts[i], length);
        keys[i].row = static_cast<std::uint32_t>(i);
    }
    starts[rows] = bytes.size();
    const auto whole = [&](std::uint32_t row) {
        return std::string_view(bytes).substr(starts[row], starts[row + 1] - starts[row]);
    };
    // Equal keys fall back on the row, which keeps the sort stable.
    std::sort(keys.begin(), keys.end(), [&](const TextKey& a, const TextKey& b) {
        if (const int order = std::memcmp(a.head.data(), b.head.data(), kHeadBytes))
            return order < 0;
        if (const int order = whole(a.row).compare(whole(b.row))) return order < 0;
        return a.row < b.row;
    });
    std::vector<std::uint32_t> order;
    order.reserve(rows);
    for (const TextKey& key : keys) order.push_back(key.row);
    return order;
}

std::vector<std::uint32_t> numberOrder(const std::vector<std::int64_t>& keys) {
    std::vector<std::pair<std::int64_t, std::uint32_t>> pairs;
    pairs.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        pairs.emplace_back(keys[i], static_cast<std::uint32_t>(i));
    std::sort(pairs.begin(), pairs.end());
    std::vector<std::uint32_t> order;
    order.reserve(keys.size());
    for (const auto& pair : pairs) order.push_back(pair.second);
    return order;
}

}  // namespace vartel

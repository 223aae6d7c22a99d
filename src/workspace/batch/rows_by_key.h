#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vartel {

// The key under which rows meet: a view of the bytes of a path or a name, kept elsewhere, and
// its hash, made once.
struct NameKey {
    std::string_view path;
    std::size_t hash = 0;

    // Paths of one folder differ towards their ends, so the comparison starts there.
    bool operator==(const NameKey& other) const {
        return hash == other.hash && path.size() == other.path.size() &&
               std::equal(path.rbegin(), path.rend(), other.path.rbegin());
    }
};

// Rows found by their keys: an open table of row numbers whose keys stay in the caller's list.
// A table of a million rows is then one block, made and freed at once, where a node per row
// would stall the window while millions of them are freed.
class RowsByKey {
  public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    RowsByKey(const std::vector<NameKey>& keys, std::size_t rows)
        : keys_(keys), slots_(roomFor(rows), kEmpty), mask_(slots_.size() - 1) {}

    // The row already filed under the key of row, or row itself, filed now.
    std::size_t insert(std::size_t row) {
        const NameKey& key = keys_[row];
        for (std::size_t at = key.hash & mask_;; at = (at + 1) & mask_) {
            if (slots_[at] == kEmpty) {
                slots_[at] = static_cast<std::uint32_t>(row);
                return row;
            }
            if (keys_[slots_[at]] == key) return slots_[at];
        }
    }

    // The row filed under the key, or kNone.
    std::size_t find(const NameKey& key) const {
        for (std::size_t at = key.hash & mask_;; at = (at + 1) & mask_) {
            if (slots_[at] == kEmpty) return kNone;
            if (keys_[slots_[at]] == key) return slots_[at];
        }
    }

  private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;  // batches stay far below 4 billion rows

    // At most half full, so a search soon meets an empty slot.
    static std::size_t roomFor(std::size_t rows) {
        std::size_t room = 16;
        while (room < 2 * rows) room *= 2;
        return room;
    }

    const std::vector<NameKey>& keys_;
    std::vector<std::uint32_t> slots_;
    std::size_t mask_;
};

}  // namespace vartel

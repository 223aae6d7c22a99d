#include "workspace/rows/rename_groups.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <string_view>
#include <utility>

#include "platform/letter_case.h"

namespace vartel {
namespace {

constexpr std::uint32_t kNoGroup = static_cast<std::uint32_t>(-1);

// A name in a folder, folded to lower case, as a number: equal keys give equal numbers, and
// unequal ones only rarely do.
std::uint64_t nameKey(std::uint64_t folderKey, std::u32string_view name) {
    std::uint64_t key = folderKey;
    for (char32_t c : name) {
        c = c < 0x80 ? (c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c) : toLowerChar(c);
        key = (key ^ c) * 0x100000001b3ULL;
    }
    return key;
}

// Groups rows with a union of their indices; each set is named by one of its rows.
class RowSets {
  public:
    explicit RowSets(std::size_t rows) : parent_(rows) {
        std::iota(parent_.begin(), parent_.end(), std::uint32_t{0});
    }
    std::uint32_t find(std::uint32_t row) {
        while (parent_[row] != row) {
            parent_[row] = parent_[parent_[row]];
            row = parent_[row];
        }
        return row;
    }
    void join(std::uint32_t a, std::uint32_t b) {
        a = find(a);
        b = find(b);
        if (a != b) parent_[std::max(a, b)] = std::min(a, b);
    }

  private:
    std::vector<std::uint32_t> parent_;
};

// Sorts in pieces and merges them, asking pace in between: a million rows give two million keys.
template <typename T>
void sortBreathing(std::vector<T>& items, const Pace& pace) {
    if (!pace) {
        std::sort(items.begin(), items.end());
        return;
    }
    constexpr std::size_t kPiece = 65536;
    const auto at = [&items](std::size_t index) {
        return items.begin() + static_cast<std::ptrdiff_t>(std::min(index, items.size()));
    };
    for (std::size_t start = 0; start < items.size(); start += kPiece) {
        std::sort(at(start), at(start + kPiece));
        pace.now();
    }
    for (std::size_t width = kPiece; width < items.size(); width *= 2) {
        for (std::size_t start = 0; start + width < items.size(); start += 2 * width) {
            std::inplace_merge(at(start), at(start + width), at(start + 2 * width));
            pace.now();
        }
    }
}

}  // namespace

RenameGroups::RenameGroups(const PreviewList& rows, const Pace& pace) {
    const std::size_t n = rows.size();
    // Every row's file and new name as keys; rows whose keys meet join one set.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> keys;
    keys.reserve(2 * n);
    std::u32string_view lastFolder;
    std::uint64_t lastFolderKey = 0;
    Pace keying = pace;
    for (std::size_t i = 0; i < n; ++i) {
        keying.step();
        const std::u32string_view folder = folderText(rows[i].folder);
        // Rows of one folder mostly come together.
        if (i == 0 || folder != lastFolder) {
            lastFolder = folder;
            lastFolderKey = std::hash<std::u32string_view>{}(folder);
        }
        const auto row = static_cast<std::uint32_t>(i);
        keys.emplace_back(nameKey(lastFolderKey, rows[i].oldName), row);
        keys.emplace_back(nameKey(lastFolderKey, rows[i].newName), row);
    }
    sortBreathing(keys, pace);
    RowSets sets(n);
    // Two keys a row: asked as often per row as the other loops.
    Pace joining = pace.every(2 * Pace::kItemsPerCheck);
    for (std::size_t k = 1; k < keys.size(); ++k) {
        joining.step();
        if (keys[k].first == keys[k - 1].first) sets.join(keys[k].second, keys[k - 1].second);
    }

    // The sets as groups, numbered in the order of their first rows, their rows ascending.
    groupOf_.assign(n, kNoGroup);
    std::vector<std::uint32_t> groupOfSet(n, kNoGroup);
    std::vector<std::uint32_t> sizes;
    Pace grouping = pace;
    for (std::uint32_t row = 0; row < n; ++row) {
        grouping.step();
        std::uint32_t& group = groupOfSet[sets.find(row)];
        if (group == kNoGroup) {
            group = static_cast<std::uint32_t>(sizes.size());
            sizes.push_back(0);
        }
        groupOf_[row] = group;
        ++sizes[group];
    }
    starts_.assign(sizes.size() + 1, 0);
    std::partial_sum(sizes.begin(), sizes.end(), starts_.begin() + 1);
    members_.resize(n);
    std::vector<std::uint32_t> filled(starts_.begin(), starts_.end() - 1);
    for (std::uint32_t row = 0; row < n; ++row) members_[filled[groupOf_[row]]++] = row;
}

std::span<const std::uint32_t> RenameGroups::groupOf(std::size_t row) const {
    const std::uint32_t group = groupOf_[row];
    return {members_.data() + starts_[group], starts_[group + 1] - starts_[group]};
}

}  // namespace vartel

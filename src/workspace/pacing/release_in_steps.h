#pragma once

#include <cstddef>
#include <vector>

#include "common/pace.h"

namespace vartel {

// Cuts a large vector down to its first size elements a few thousand at a time, asking pace in
// between (its answer not heeded): the texts of a million rows take a while to free, and the
// window would stand still meanwhile. Without a pace they are freed at once.
template <typename T>
void shrinkInSteps(std::vector<T>& items, std::size_t size, const Pace& pace) {
    constexpr std::size_t kStep = Pace::kItemsPerCheck;
    while (pace && items.size() > size + kStep) {
        items.erase(items.end() - static_cast<std::ptrdiff_t>(kStep), items.end());
        pace.now();
    }
    items.resize(size);
}

// The same down to nothing, its memory given back.
template <typename T>
void releaseInSteps(std::vector<T>& items, const Pace& pace) {
    shrinkInSteps(items, 0, pace);
    std::vector<T>().swap(items);
}

}  // namespace vartel

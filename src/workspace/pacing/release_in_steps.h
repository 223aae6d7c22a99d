#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace vartel {

// Cuts a large vector down to its first size elements a few thousand at a time, breathing in
// between: the texts of a million rows take a while to free, and the window would stand still
// meanwhile. Without breathe they are freed at once.
template <typename T>
void shrinkInSteps(std::vector<T>& items, std::size_t size, const std::function<void()>& breathe) {
    constexpr std::size_t kStep = 4096;
    while (breathe && items.size() > size + kStep) {
        items.erase(items.end() - static_cast<std::ptrdiff_t>(kStep), items.end());
        breathe();
    }
    items.resize(size);
}

// The same down to nothing, its memory given back.
template <typename T>
void releaseInSteps(std::vector<T>& items, const std::function<void()>& breathe) {
    shrinkInSteps(items, 0, breathe);
    std::vector<T>().swap(items);
}

}  // namespace vartel

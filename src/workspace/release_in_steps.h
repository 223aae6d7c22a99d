#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace vartel {

// Frees a large vector a few thousand elements at a time, breathing in between: the texts of a
// million rows take a while to free, and the window would stand still meanwhile. Without
// breathe it is freed at once.
template <typename T>
void releaseInSteps(std::vector<T>& items, const std::function<void()>& breathe) {
    constexpr std::size_t kStep = 4096;
    while (breathe && items.size() > kStep) {
        items.erase(items.end() - static_cast<std::ptrdiff_t>(kStep), items.end());
        breathe();
    }
    std::vector<T>().swap(items);
}

// The same for a map or set, whose entries are freed one by one.
template <typename Container>
void releaseInSteps(Container& items, const std::function<void()>& breathe) {
    constexpr std::size_t kStep = 4096;
    while (breathe && items.size() > kStep) {
        for (std::size_t i = 0; i < kStep; ++i) items.erase(items.begin());
        breathe();
    }
    Container().swap(items);
}

}  // namespace vartel

#pragma once

#include <cstddef>

namespace vartel {

// What the program holds through operator new right now, and the most it held since the last
// resetHeapPeak(); counted by the benchmark program's own operator new and delete.
std::size_t heapInUse();
std::size_t heapPeak();
void resetHeapPeak();

}  // namespace vartel

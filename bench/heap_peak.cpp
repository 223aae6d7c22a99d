#include "heap_peak.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace vartel {
namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* allocate(std::size_t bytes) {
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block == nullptr) throw std::bad_alloc();
    const std::size_t now = inUse += ::malloc_usable_size(block);
    std::size_t seen = peak.load(std::memory_order_relaxed);
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return block;
}

void release(void* block) {
    if (block == nullptr) return;
    inUse -= ::malloc_usable_size(block);
    std::free(block);
}

}  // namespace

std::size_t heapInUse() {
    return inUse;
}

std::size_t heapPeak() {
    return peak;
}

void resetHeapPeak() {
    peak = inUse.load();
}

}  // namespace vartel

void* operator new(std::size_t bytes) {
    return vartel::allocate(bytes);
}
void* operator new[](std::size_t bytes) {
    return vartel::allocate(bytes);
}
void operator delete(void* block) noexcept {
    vartel::release(block);
}
void operator delete[](void* block) noexcept {
    vartel::release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    vartel::release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    vartel::release(block);
}

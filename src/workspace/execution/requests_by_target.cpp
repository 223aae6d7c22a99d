#include "workspace/execution/requests_by_target.h"

#include <functional>

namespace vartel {
namespace {

constexpr std::uint32_t kEmpty = static_cast<std::uint32_t>(-1);
constexpr std::uint32_t kLeft = kEmpty - 1;

// At most half full, counting the slots requests left, so a search soon meets an empty slot.
std::size_t roomFor(std::size_t filings) {
    std::size_t room = 16;
    while (room < 2 * filings) room *= 2;
    return room;
}

}  // namespace

RequestsByTarget::RequestsByTarget(const std::vector<PathParts>& ends, std::size_t filings)
    : ends_(ends), slots_(roomFor(filings), kEmpty), mask_(slots_.size() - 1) {}

std::size_t RequestsByTarget::firstSlotOf(const PathParts& end) const {
    const std::hash<std::u32string_view> hash;
    return (hash(end.folder) * 31 + hash(end.name)) & mask_;
}

std::size_t RequestsByTarget::find(const PathParts& end) const {
    for (std::size_t at = firstSlotOf(end);; at = (at + 1) & mask_) {
        const std::uint32_t slot = slots_[at];
        if (slot == kEmpty) return kNone;
        if (slot != kLeft && ends_[slot] == end) return slot;
    }
}

void RequestsByTarget::file(std::size_t request) {
    const PathParts& end = ends_[request];
    for (std::size_t at = firstSlotOf(end);; at = (at + 1) & mask_) {
        std::uint32_t& slot = slots_[at];
        if (slot == kEmpty || (slot != kLeft && ends_[slot] == end)) {
            slot = static_cast<std::uint32_t>(request);
            return;
        }
    }
}

void RequestsByTarget::takeOut(std::size_t request) {
    for (std::size_t at = firstSlotOf(ends_[request]);; at = (at + 1) & mask_) {
        std::uint32_t& slot = slots_[at];
        if (slot == kEmpty) return;
        if (slot == request) {
            slot = kLeft;
            return;
        }
    }
}

}  // namespace vartel

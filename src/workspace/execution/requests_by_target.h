#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace vartel {

// A path as its folder part and its name, viewing texts kept elsewhere, so that a million paths
// are matched up without a copy of every path. A name never holds a separator, so equal paths
// have equal parts.
struct PathParts {
    std::u32string_view folder;
    std::u32string_view name;

    bool operator==(const PathParts&) const = default;
};

// The requests of a batch being gathered, found by the path each ends at: an open table of
// request numbers whose paths stay in the caller's list of ends, one per request. A million
// requests are then one block, made and freed at once: a node per request would hold the
// window while freed, and again when the allocator sorts a million freed blocks.
class RequestsByTarget {
  public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // ends is read as it grows and changes; filings bounds the calls of file over the table's
    // life.
    RequestsByTarget(const std::vector<PathParts>& ends, std::size_t filings);

    // The request filed last under end and not taken out since, or kNone.
    std::size_t find(const PathParts& end) const;
    // Files request under its end; a request filed under the same end before is found no more.
    void file(std::size_t request);
    // Takes request out, which must be done before its end changes.
    void takeOut(std::size_t request);

  private:
    std::size_t firstSlotOf(const PathParts& end) const;

    const std::vector<PathParts>& ends_;
    // Request numbers, and marks for slots never used or left by a request taken out (which a
    // search passes over, as the requests filed past it may have passed over its request).
    std::vector<std::uint32_t> slots_;
    std::size_t mask_;
};

}  // namespace vartel

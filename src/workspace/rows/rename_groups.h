#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/pace.h"
#include "workspace/rows/preview_entry.h"

namespace vartel {

// The preview's rows fall into groups that the planner sees apart: two rows meet when the file or
// the new name of one is, in the same folder and but for letter case, the file or the new name
// of the other, and a group holds every row it meets, step by step. Whether a row fails, waits
// for another or swaps depends only on the rows of its group, checked or not, so a row checked
// or unchecked needs only its group planned again. Names that merely hash alike may share a
// group, which plans the same.
class RenameGroups {
  public:
    // pace, when given, is asked every few thousand rows (a million take a while), its answer
    // not heeded.
    explicit RenameGroups(const PreviewList& rows, const Pace& pace = {});

    // The rows the groups were made for.
    std::size_t rowCount() const { return groupOf_.size(); }
    // The rows of the row's group in ascending order, the row itself included.
    std::span<const std::uint32_t> groupOf(std::size_t row) const;

  private:
    std::vector<std::uint32_t> groupOf_;  // per row
    std::vector<std::uint32_t> starts_;   // per group and one past the last, into members_
    std::vector<std::uint32_t> members_;  // the rows, group by group
};

}  // namespace vartel

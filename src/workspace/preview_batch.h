#pragma once

#include <cstddef>
#include <vector>

#include "common/pace.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/rows/preview_entry.h"

namespace vartel {

// The checked rows among the given preview rows as the requests of a batch, in the order
// given, and with companion files after them when asked (see companion_requests.h): the
// preview, execute and the command line's listing of companions all plan the same batch.
struct PreviewBatch {
    std::vector<RenameRequest> requests;
    std::vector<std::size_t> rowOf;  // per request: its preview row, or its row's for a companion
    RequestGroups groups;            // empty without companions

    bool isCompanion(std::size_t k) const {
        return !groups.leaderOf.empty() && groups.leaderOf[k] != k;
    }
    const RequestGroups* groupsOrNone() const {
        return groups.leaderOf.empty() ? nullptr : &groups;
    }
};

PreviewBatch previewBatch(const PreviewList& preview, const std::vector<std::size_t>& rows,
                          bool withCompanions, Pace pace);

// The companions of one preview row, as execute would find them: the names of its folder's
// files that follow the row, rows of the preview left out.
std::vector<RenameRequest> companionsOfRow(const PreviewList& preview, std::size_t row);

}  // namespace vartel

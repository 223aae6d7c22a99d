#pragma once

#include <cstddef>
#include <vector>

#include "common/pace.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/rows/preview_entry.h"
#include "workspace/workspace.h"

namespace vartel {

// The checked rows among the given preview rows as the requests of a batch, in the order
// given, and with companion files after them when the workspace takes them along (see
// companion_requests.h): the preview, execute and the command line's listing of companions all
// plan the same batch. A file that is a row of either list is never a companion, and a folder
// row has none.
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

PreviewBatch previewBatch(const Workspace& workspace, const std::vector<std::size_t>& rows,
                          Pace pace);

// Adds the companions of the requests (see companion_requests.h); the rows of both lists are
// nobody's companions. Only the requests marked in takesCompanions have any (every one when it
// is empty).
RequestGroups addCompanionsOfRows(const Workspace& workspace, std::vector<RenameRequest>& requests,
                                  const std::vector<char>& takesCompanions, Pace pace);

// The companions of one preview row, as execute would find them.
std::vector<RenameRequest> companionsOfRow(const Workspace& workspace, std::size_t row);

}  // namespace vartel

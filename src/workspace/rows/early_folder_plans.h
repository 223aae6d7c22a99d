#pragma once

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "workspace/rows/file_entry.h"
#include "workspace/rows/preview_entry.h"

namespace vartel {

// A walk moves rows into the preview in runs of one folder, since the rows of a folder mostly
// come together. The preview's plan of a folder depends only on that folder's rows, so a run
// whose folder the walk meets for the first time can be planned as soon as the next run
// begins, together with the rows the preview held of that folder before; a walk stopped
// early then has one folder left to plan. A folder that comes back is planned at the end
// instead, so no row is planned early twice.
class EarlyFolderPlans {
  public:
    // A finished run: the preview rows of its folder, from the bottom up, to plan now.
    struct Finished {
        SharedFolder folder;
        std::vector<std::size_t> rows;
    };

    // At the start of a walk over a preview of this many rows.
    void start(std::size_t previewRows) {
        *this = EarlyFolderPlans();
        earlierRows_ = previewRows;
    }

    // The row at preview index `at` moved in from this folder. A run that ends here is handed
    // back when it may be planned now; otherwise its folder is to be planned at the end
    // (takeFolderToPlanLater tells which).
    std::optional<Finished> moved(const SharedFolder& folder, std::size_t at,
                                  const PreviewList& preview);
    // The folders whose runs must be planned at the end, the open run's included; clears them.
    std::vector<SharedFolder> takeFoldersToPlanLater();

  private:
    // The rows the preview held before the walk, by folder; made when first needed.
    const std::vector<std::size_t>& earlierRowsOf(const SharedFolder& folder,
                                                  const PreviewList& preview);

    std::size_t earlierRows_ = 0;
    std::optional<std::unordered_map<Text, std::vector<std::size_t>>> earlierByFolder_;
    std::unordered_set<Text> met_;  // folders of runs finished or open
    SharedFolder runFolder_;
    std::size_t runFrom_ = 0;
    bool running_ = false;
    bool runFirst_ = false;  // the open run's folder was not met before it
    std::vector<SharedFolder> later_;
};

}  // namespace vartel

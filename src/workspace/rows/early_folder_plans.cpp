#include "workspace/rows/early_folder_plans.h"

namespace vartel {

std::optional<EarlyFolderPlans::Finished> EarlyFolderPlans::moved(const SharedFolder& folder,
                                                                  std::size_t at,
                                                                  const PreviewList& preview) {
    if (running_ && (folder == runFolder_ || folderText(folder) == folderText(runFolder_)))
        return std::nullopt;
    std::optional<Finished> finished;
    if (running_) {
        if (runFirst_) {
            finished.emplace();
            finished->folder = runFolder_;
            for (std::size_t i = at; i-- > runFrom_;) finished->rows.push_back(i);
            const auto& earlier = earlierRowsOf(runFolder_, preview);
            finished->rows.insert(finished->rows.end(), earlier.rbegin(), earlier.rend());
        } else {
            later_.push_back(runFolder_);
        }
    }
    runFirst_ = met_.insert(folderText(folder)).second;
    runFolder_ = folder;
    runFrom_ = at;
    running_ = true;
    return finished;
}

std::vector<SharedFolder> EarlyFolderPlans::takeFoldersToPlanLater() {
    if (running_) later_.push_back(runFolder_);
    running_ = false;
    return std::move(later_);
}

const std::vector<std::size_t>& EarlyFolderPlans::earlierRowsOf(const SharedFolder& folder,
                                                                const PreviewList& preview) {
    if (!earlierByFolder_) {
        earlierByFolder_.emplace();
        const SharedFolder* last = nullptr;
        std::vector<std::size_t>* rows = nullptr;
        for (std::size_t i = 0; i < earlierRows_; ++i) {
            if (last == nullptr || preview[i].folder != *last) {
                last = &preview[i].folder;
                rows = &(*earlierByFolder_)[folderText(preview[i].folder)];
            }
            rows->push_back(i);
        }
    }
    static const std::vector<std::size_t> kNone;
    const auto found = earlierByFolder_->find(folderText(folder));
    return found == earlierByFolder_->end() ? kNone : found->second;
}

}  // namespace vartel

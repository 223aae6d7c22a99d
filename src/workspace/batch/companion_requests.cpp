#include "workspace/batch/companion_requests.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "platform/folder_listing.h"
#include "workspace/batch/companion_suffixes.h"

namespace vartel {
namespace {

std::string_view folderOf(std::string_view path) {
    return path.substr(0, path.rfind('/') + 1);
}

// The rows of one folder by the stems and whole names a companion may follow.
struct FolderRows {
    std::unordered_multimap<std::string_view, std::uint32_t> byStem;
    std::unordered_multimap<std::string_view, std::uint32_t> byName;
};

class CompanionFinder {
  public:
    CompanionFinder(std::vector<RenameRequest>& requests, const std::vector<std::string>& leftAlone,
                    const std::vector<char>& takesCompanions)
        : requests_(requests) {
        groups_.leaderOf.resize(requests.size());
        std::iota(groups_.leaderOf.begin(), groups_.leaderOf.end(), std::uint32_t{0});
        groups_.claimedTwice.assign(requests.size(), 0);
        for (std::uint32_t k = 0; k < requests.size(); ++k) {
            const std::string_view path = requests[k].path;
            notCompanions_.insert(path);
            if (!takesCompanions.empty() && !takesCompanions[k]) continue;
            auto [at, isNew] = rowsIn_.try_emplace(folderOf(path));
            if (isNew) folders_.push_back(at->first);
            at->second.byStem.emplace(stemOfName(requests[k].name()), k);
            at->second.byName.emplace(requests[k].name(), k);
        }
        for (const auto& path : leftAlone) notCompanions_.insert(path);
    }

    RequestGroups run(Pace& pace) {
        for (const std::string_view folder : folders_) {
            const std::string path(folder);
            for (const std::string& name : fileNamesIn(path)) {
                pace.step();
                if (!notCompanions_.contains(path + name)) claim(path, name, rowsIn_.at(folder));
            }
        }
        requests_.insert(requests_.end(), std::make_move_iterator(added_.begin()),
                         std::make_move_iterator(added_.end()));
        return std::move(groups_);
    }

  private:
    // The rows that claim the file, by the longest base any row matches; each gets a request.
    void claim(const std::string& folder, const std::string& name, const FolderRows& rows) {
        for (const CompanionBase base : companionBases(name)) {
            const auto& table = base.wholeName ? rows.byName : rows.byStem;
            auto [first, last] = table.equal_range(std::string_view(name).substr(0, base.base));
            if (first == last) continue;
            std::vector<std::uint32_t> claimants;
            for (; first != last; ++first) claimants.push_back(first->second);
            std::sort(claimants.begin(), claimants.end());
            const std::string_view suffix = std::string_view(name).substr(base.base);
            for (const std::uint32_t row : claimants) {
                const std::string& newName = requests_[row].newName;
                std::string companionName(base.wholeName ? std::string_view(newName)
                                                         : stemOfName(newName));
                companionName += suffix;
                // A row whose stem stays keeps its companion where it is.
                if (companionName == name) continue;
                added_.push_back({folder + name, std::move(companionName), {}});
                groups_.leaderOf.push_back(row);
                groups_.claimedTwice.push_back(claimants.size() > 1 ? 1 : 0);
            }
            return;
        }
    }

    std::vector<RenameRequest>& requests_;
    std::vector<RenameRequest> added_;  // apart until the end: the tables view the rows' paths
    RequestGroups groups_;
    std::unordered_map<std::string_view, FolderRows> rowsIn_;
    std::vector<std::string_view> folders_;  // in the order their first rows come
    std::unordered_set<std::string_view> notCompanions_;
};

}  // namespace

RequestGroups addCompanions(std::vector<RenameRequest>& requests,
                            const std::vector<std::string>& leftAlone,
                            const std::vector<char>& takesCompanions, Pace pace) {
    return CompanionFinder(requests, leftAlone, takesCompanions).run(pace);
}

}  // namespace vartel

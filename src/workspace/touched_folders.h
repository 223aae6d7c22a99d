#pragma once

#include <string_view>
#include <unordered_set>

#include "common/text.h"
#include "workspace/rows/file_entry.h"

namespace vartel {

// The folders whose rows or files a command touched, by their folder part (last "/" included).
// The preview's plan of one folder never depends on the rows of another, since a rename never
// leaves its folder, so only the rows of touched folders need planning again. Rows of one
// folder mostly come together and share their folder part, so the last folder is checked
// before the set.
class TouchedFolders {
  public:
    void add(std::u32string_view folder) {
        if (haveLastAdded_ && folder == lastAdded_) return;
        lastAdded_ = folder;
        haveLastAdded_ = true;
        folders_.insert(lastAdded_);
    }
    void add(const SharedFolder& folder) {
        if (haveLastAddedShared_ && folder == lastAddedShared_) return;
        add(folderText(folder));
        lastAddedShared_ = folder;  // held, so that its address cannot come back for another
        haveLastAddedShared_ = true;
    }
    bool contains(const SharedFolder& folder) {
        if (!haveLastAsked_ || folder != lastAsked_) {
            lastAsked_ = folder;
            lastAnswer_ = folders_.contains(folderText(folder));
            haveLastAsked_ = true;
        }
        return lastAnswer_;
    }
    bool empty() const { return folders_.empty(); }
    void clear() { *this = TouchedFolders(); }

  private:
    std::unordered_set<Text> folders_;
    Text lastAdded_;
    bool haveLastAdded_ = false;
    SharedFolder lastAddedShared_;
    bool haveLastAddedShared_ = false;
    SharedFolder lastAsked_;
    bool lastAnswer_ = false;
    bool haveLastAsked_ = false;
};

}  // namespace vartel

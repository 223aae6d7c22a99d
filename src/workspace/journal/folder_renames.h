#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/pace.h"
#include "common/text.h"
#include "workspace/batch/rename_plan.h"
#include "workspace/rows/file_entry.h"
#include "workspace/rows/history_entry.h"
#include "workspace/rows/preview_entry.h"

namespace vartel {

// A batch that renames folders together with rows below them. Every step is planned before the
// first one is made, so each must name paths that still hold when it comes: rows lying deeper
// go first, and a folder is renamed only after everything below it. Afterwards the paths the
// lists keep are taken to where their files now lie.
// The folders a batch renamed, each by its path before the batch with the name it got, so that
// a path as it was before the batch is followed to where it lies now. Path is the lists' Text,
// or the bytes of a journal's paths.
template <typename Path>
class PathRenames {
  public:
    // A folder at path (as it was before the batch) that the batch gave the new name.
    void add(const Path& path, const Path& newName) { newNameOf_[path] = newName; }
    bool empty() const { return newNameOf_.empty(); }
    // A path as it was before the batch, as it is now: every folder above it that the batch
    // renamed bears its new name. The path's own last component is left alone.
    Path now(const Path& path) const {
        if (newNameOf_.empty()) return path;
        Path result;
        std::size_t start = 0;
        for (std::size_t at = path.find('/'); at != Path::npos; at = path.find('/', at + 1)) {
            if (at > 0) {
                const auto renamed = newNameOf_.find(path.substr(0, at));
                result +=
                    renamed != newNameOf_.end() ? renamed->second : path.substr(start, at - start);
            }
            result += '/';
            start = at + 1;
        }
        return result + path.substr(start);
    }

  private:
    std::unordered_map<Path, Path> newNameOf_;
};

class FolderRenames : public PathRenames<Text> {
  public:
    // The order to carry the paths out in: deeper paths first, paths of one depth in the order
    // given, so rows that compete for a name in one folder keep their order.
    static std::vector<std::size_t> deeperFirst(const std::vector<Text>& paths);
    static std::vector<std::size_t> deeperFirst(const std::vector<std::string>& paths);
    // Every path the three lists keep, each taken as it was before the batch.
    void bringUpToDate(ConversionList& rows, PreviewList& preview, HistoryList& history) const;
};

// The same of a journal's paths.
using JournalFolderRenames = PathRenames<std::string>;

// Every folder, without its last "/", that holds a row of the lists at any depth: the only
// renamed paths whose new names the lists have to follow. pace, when given, is asked every few
// thousand rows, its answer not heeded.
std::unordered_set<Text> foldersAboveRows(const ConversionList& rows, const PreviewList& preview,
                                          const HistoryList& history, Pace pace = {});

// Puts requests deeper in the tree first (see deeperFirst), so that nothing below a folder the
// batch renames is looked for under the folder's old name. Gives each old index its new place.
// pace, when given, is asked every few thousand requests, its answer not heeded.
std::vector<std::size_t> putDeeperFirst(std::vector<RenameRequest>& requests, Pace pace = {});
// The same, with the row each request came from moved along.
void putDeeperFirst(std::vector<RenameRequest>& requests, std::vector<std::size_t>& rowOf);

}  // namespace vartel

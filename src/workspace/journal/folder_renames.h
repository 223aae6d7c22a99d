#pragma once

#include <cstddef>
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
class FolderRenames {
  public:
    // The order to carry the paths out in: deeper paths first, paths of one depth in the order
    // given, so rows that compete for a name in one folder keep their order.
    static std::vector<std::size_t> deeperFirst(const std::vector<Text>& paths);

    // A folder at path (as it was before the batch) that the batch gave the new name.
    void add(const Text& path, const Text& newName);
    bool empty() const { return newNameOf_.empty(); }

    // A path as it was before the batch, as it is now: every folder above it that the batch
    // renamed bears its new name. The path's own last component is left alone.
    Text now(const Text& path) const;
    // Every path the three lists keep, each taken as it was before the batch.
    void bringUpToDate(ConversionList& rows, PreviewList& preview, HistoryList& history) const;

  private:
    std::unordered_map<Text, Text> newNameOf_;
};

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

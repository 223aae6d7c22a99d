#pragma once

#include <vector>

#include "workspace/lists/new_names.h"
#include "workspace/workspace.h"

namespace vartel {

// "プレビュー" of names the user wrote out: the i-th name goes to the i-th checked row, and a
// row whose name stays makes no preview row. When the counts differ nothing moves and an error
// says both. Returns whether the names were taken.
bool runNewNames(Workspace& workspace, const std::vector<Text>& names);

// Each checked row that a pair names, by its full path or else by its name, takes the pair's
// new name (the first pair for a name counts). Rows that no pair names stay; gives how many,
// for the caller to tell (kRowsWithoutPair).
std::size_t runNamePairs(Workspace& workspace, const std::vector<NamePair>& pairs);

}  // namespace vartel

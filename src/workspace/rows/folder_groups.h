#pragma once

#include <vector>

#include "workspace/rows/file_entry.h"

namespace vartel {

// The checked rows of one folder form its group, wherever they stand in the list: a list
// sorted by name interleaves folders, and each still counts its own rows. Unchecked rows are
// passed over.
struct FolderGroups {
    std::vector<int> positions;  // per row, 1-based within its folder, in list order; 0 unchecked
    int largest = 0;             // the row count of the largest group
};

FolderGroups folderGroupsOf(const ConversionList& rows);

}  // namespace vartel

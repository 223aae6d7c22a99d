#pragma once

#include <vector>

#include "workspace/rows/file_entry.h"

namespace vartel {

// The checked rows in list order fall into folder groups: a group is a run of rows in the same
// folder, and a row in another folder starts the next one. Unchecked rows are passed over.
struct FolderGroups {
    std::vector<int> positions;  // per row, 1-based within its group; 0 for an unchecked row
    int largest = 0;             // the row count of the largest group
};

FolderGroups folderGroupsOf(const ConversionList& rows);

}  // namespace vartel

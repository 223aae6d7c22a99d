#include "workspace/rows/folder_groups.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "common/name_parts.h"

namespace vartel {

FolderGroups folderGroupsOf(const ConversionList& rows) {
    FolderGroups groups;
    groups.positions.assign(rows.size(), 0);
    // Keyed by views into the rows: a long list should not copy every folder. Most lists hold
    // runs of one folder, so the last folder's count is kept at hand.
    std::unordered_map<std::u32string_view, int> counts;
    std::u32string_view previousFolder;
    int* previousCount = nullptr;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].checked) continue;
        const std::u32string_view folder = folderText(rows[i].folder);
        if (previousCount == nullptr || folder != previousFolder) {
            previousCount = &counts[folder];
            previousFolder = folder;
        }
        const int position = ++*previousCount;
        groups.positions[i] = position;
        groups.largest = std::max(groups.largest, position);
    }
    return groups;
}

}  // namespace vartel

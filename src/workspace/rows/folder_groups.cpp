#include "workspace/rows/folder_groups.h"

#include <algorithm>
#include <string_view>

#include "common/name_parts.h"

namespace vartel {
namespace {}  // namespace

FolderGroups folderGroupsOf(const ConversionList& rows) {
    FolderGroups groups;
    groups.positions.assign(rows.size(), 0);
    std::u32string_view previousFolder;
    int position = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].checked) continue;
        // Compared in place: a long list should not copy every folder.
        const std::u32string_view folder = folderText(rows[i].folder);
        position = position > 0 && folder == previousFolder ? position + 1 : 1;
        previousFolder = folder;
        groups.positions[i] = position;
        groups.largest = std::max(groups.largest, position);
    }
    return groups;
}

}  // namespace vartel

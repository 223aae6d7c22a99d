#include "workspace/folder_groups.h"

#include <algorithm>
#include <string_view>

#include "common/name_parts.h"

namespace vartel {
namespace {

// Compared in place: a long list should not copy every folder.
std::u32string_view folderPart(const Text& fullPath) {
    const auto at = fullPath.rfind(kPathSeparator);
    return at == Text::npos ? std::u32string_view() : std::u32string_view(fullPath).substr(0, at);
}

}  // namespace

FolderGroups folderGroupsOf(const ConversionList& rows) {
    FolderGroups groups;
    groups.positions.assign(rows.size(), 0);
    std::u32string_view previousFolder;
    int position = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].checked) continue;
        const auto folder = folderPart(rows[i].fullPath);
        position = position > 0 && folder == previousFolder ? position + 1 : 1;
        previousFolder = folder;
        groups.positions[i] = position;
        groups.largest = std::max(groups.largest, position);
    }
    return groups;
}

}  // namespace vartel

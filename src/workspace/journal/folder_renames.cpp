#include "workspace/journal/folder_renames.h"

#include <algorithm>

#include "common/name_parts.h"

namespace vartel {

namespace {

// A text or the bytes of a path.
template <typename Path>
std::size_t depthOf(const Path& path) {
    return static_cast<std::size_t>(std::count(path.begin(), path.end(), '/'));
}

// Positions by depth, deepest first, in their given order within one depth: one pass to count
// and one to place, since a million rows of an undo come through here.
std::vector<std::size_t> orderDeeperFirst(const std::vector<std::size_t>& depth) {
    const std::size_t deepest = depth.empty() ? 0 : *std::max_element(depth.begin(), depth.end());
    std::vector<std::size_t> start(deepest + 2, 0);
    for (const std::size_t d : depth) ++start[deepest - d + 1];
    for (std::size_t d = 1; d < start.size(); ++d) start[d] += start[d - 1];
    std::vector<std::size_t> order(depth.size());
    for (std::size_t i = 0; i < depth.size(); ++i) order[start[deepest - depth[i]]++] = i;
    return order;
}

template <typename Path>
std::vector<std::size_t> orderOfPaths(const std::vector<Path>& paths) {
    std::vector<std::size_t> depth(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) depth[i] = depthOf(paths[i]);
    return orderDeeperFirst(depth);
}

}  // namespace

std::vector<std::size_t> FolderRenames::deeperFirst(const std::vector<Text>& paths) {
    return orderOfPaths(paths);
}

std::vector<std::size_t> FolderRenames::deeperFirst(const std::vector<std::string>& paths) {
    return orderOfPaths(paths);
}

std::vector<std::size_t> putDeeperFirst(std::vector<RenameRequest>& requests, Pace pace) {
    std::vector<std::size_t> depth(requests.size());
    for (std::size_t k = 0; k < requests.size(); ++k) {
        pace.step();
        depth[k] = depthOf(requests[k].path);
    }
    const std::vector<std::size_t> order = orderDeeperFirst(depth);
    // Mostly every path lies at one depth, and nothing moves.
    if (std::is_sorted(order.begin(), order.end())) return order;
    std::vector<RenameRequest> ordered;
    ordered.reserve(requests.size());
    std::vector<std::size_t> placeOf(requests.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        placeOf[order[k]] = k;
        ordered.push_back(std::move(requests[order[k]]));
    }
    requests = std::move(ordered);
    return placeOf;
}

void putDeeperFirst(std::vector<RenameRequest>& requests, std::vector<std::size_t>& rowOf) {
    const std::vector<std::size_t> placeOf = putDeeperFirst(requests);
    std::vector<std::size_t> reordered(rowOf.size());
    for (std::size_t k = 0; k < rowOf.size(); ++k) reordered[placeOf[k]] = rowOf[k];
    rowOf = std::move(reordered);
}

std::unordered_set<Text> foldersAboveRows(const ConversionList& rows, const PreviewList& preview,
                                          const HistoryList& history, Pace pace) {
    std::unordered_set<Text> folders;
    // Rows of one folder share its text, mostly one after another.
    const Text* last = nullptr;
    const auto addAbove = [&](const SharedFolder& folder) {
        pace.step();
        if (!folder || folder.get() == last) return;
        last = folder.get();
        for (std::size_t at = folder->find(kPathSeparator); at != Text::npos;
             at = folder->find(kPathSeparator, at + 1)) {
            if (at > 0) folders.insert(folder->substr(0, at));
        }
    };
    for (const auto& row : rows) addAbove(row.folder);
    for (const auto& row : preview) addAbove(row.folder);
    for (const auto& entry : history) addAbove(entry.folder);
    return folders;
}

void FolderRenames::bringUpToDate(ConversionList& rows, PreviewList& preview,
                                  HistoryList& history) const {
    if (empty()) return;
    // Only folder parts change, and a folder part keeps its last "/", which now() leaves
    // alone. Rows that shared a folder part share the new one.
    SharedFolder before;
    SharedFolder after;
    const auto moved = [&](SharedFolder& folder) {
        if (!folder) return;
        if (folder != before) {
            before = folder;
            after = folderPartOf(now(*folder), after);
        }
        folder = after;
    };
    for (auto& row : rows) moved(row.folder);
    for (auto& row : preview) moved(row.folder);
    for (auto& entry : history) moved(entry.folder);
}

}  // namespace vartel

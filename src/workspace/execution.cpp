#include "workspace/execution.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "common/integer_text.h"
#include "common/name_parts.h"
#include "workspace/folder_renames.h"
#include "workspace/messages.h"
#include "workspace/remove_flagged.h"
#include "workspace/rename_in_folder.h"

namespace vartel {
namespace {

void showSummary(Dialogs& dialogs, int errors) {
    dialogs.message(errors == 0 ? kFinishedNormally : formatInteger(errors) + kErrorCountSuffix);
}

// The loops run from the bottom and collect what they produce; the rows they finish leave
// their list in one pass, and what they collected is appended in top-to-bottom order.
template <typename Row>
void appendReversed(std::vector<Row>& rows, std::vector<Row>& collected) {
    rows.insert(rows.end(), std::make_move_iterator(collected.rbegin()),
                std::make_move_iterator(collected.rend()));
}

FileEntry rowAt(const Text& path, const Text& size, const Text& modified) {
    return fileEntryAt(path, size, modified);
}

// The conversion rows by full path, so that undo finds the first row of a path at once even
// after earlier undos of the same run have changed paths.
class RowsByPath {
  public:
    explicit RowsByPath(const ConversionList& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) rowsOf_[rows[i].fullPath].insert(i);
    }
    std::optional<std::size_t> takeFirst(const Text& path) {
        const auto found = rowsOf_.find(path);
        if (found == rowsOf_.end() || found->second.empty()) return std::nullopt;
        const std::size_t first = *found->second.begin();
        found->second.erase(found->second.begin());
        return first;
    }
    void add(const Text& path, std::size_t row) { rowsOf_[path].insert(row); }

  private:
    std::unordered_map<Text, std::set<std::size_t>> rowsOf_;
};

// The rows from the bottom up, as the loops take them; where some are folders, everything below
// a folder goes before it.
template <typename Row, typename PathOf>
std::vector<std::size_t> bottomUpOrder(const std::vector<Row>& rows, PathOf pathOf,
                                       bool withFolders) {
    std::vector<std::size_t> order(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) order[k] = rows.size() - 1 - k;
    if (!withFolders) return order;
    std::vector<Text> paths;
    paths.reserve(order.size());
    for (const std::size_t i : order) paths.push_back(pathOf(rows[i]));
    std::vector<std::size_t> deeperFirst;
    deeperFirst.reserve(order.size());
    for (const std::size_t k : FolderRenames::deeperFirst(paths)) deeperFirst.push_back(order[k]);
    return deeperFirst;
}

}  // namespace

void execute(Workspace& workspace) {
    if (workspace.busy()) return;
    BusyScope busy(workspace);
    auto& preview = workspace.previewList();
    if (preview.empty()) {
        workspace.dialogs().message(kCreatePreviewFirst);
        return;
    }
    workspace.setProgressMaximum(static_cast<int>(preview.size()));
    int errors = 0;
    std::vector<char> done(preview.size(), 0);
    std::vector<HistoryEntry> history;
    ConversionList rows;
    const bool withFolders = std::any_of(preview.begin(), preview.end(), [](const auto& row) {
        return row.checked && isFolderSizeText(row.size);
    });
    FolderRenames folders;
    // Files renamed before a failure of the loop itself must still reach the history.
    const auto record = [&] {
        removeFlagged(preview, done);
        appendReversed(workspace.historyList(), history);
        appendReversed(workspace.conversionList(), rows);
        folders.bringUpToDate(workspace.conversionList(), preview, workspace.historyList());
    };
    try {
        for (const std::size_t i : bottomUpOrder(
                 preview, [](const PreviewEntry& row) { return row.fullPathBefore; },
                 withFolders)) {
            PreviewEntry& row = preview[i];
            if (row.checked) {
                if (const auto target = renameInFolder(row.fullPathBefore, row.newName)) {
                    history.push_back({row.oldName, row.newName, *target});
                    rows.push_back(rowAt(*target, row.size, row.modified));
                    if (isFolderSizeText(row.size)) folders.add(row.fullPathBefore, row.newName);
                    done[i] = 1;
                } else {
                    ++errors;
                    row.failed = true;
                }
            }
            if (!workspace.nextItem()) break;
        }
    } catch (...) {
        record();
        throw;
    }
    record();
    showSummary(workspace.dialogs(), errors);
}

void undo(Workspace& workspace) {
    if (workspace.busy()) return;
    BusyScope busy(workspace);
    auto& history = workspace.historyList();
    if (history.empty()) {
        workspace.dialogs().message(kNoHistory);
        return;
    }
    workspace.setProgressMaximum(static_cast<int>(history.size()));
    auto& rows = workspace.conversionList();
    std::optional<RowsByPath> rowsByPath;
    int errors = 0;
    std::vector<char> done(history.size(), 0);
    // A history entry does not tell a folder from a file, so every rename back counts as one
    // that paths may lie below: for a file none does.
    FolderRenames folders;
    const auto record = [&] {
        removeFlagged(history, done);
        folders.bringUpToDate(rows, workspace.previewList(), history);
    };
    try {
        for (const std::size_t i : bottomUpOrder(
                 history, [](const HistoryEntry& entry) { return entry.pathAfter; }, true)) {
            HistoryEntry& entry = history[i];
            if (entry.checked) {
                if (const auto restored = renameInFolder(entry.pathAfter, entry.oldName)) {
                    folders.add(entry.pathAfter, entry.oldName);
                    if (!rowsByPath) rowsByPath.emplace(rows);
                    if (const auto at = rowsByPath->takeFirst(entry.pathAfter)) {
                        FileEntry& row = rows[*at];
                        row.name = entry.oldName;
                        row.extension = row.isFolder() ? Text() : extensionOf(entry.oldName);
                        row.fullPath = *restored;
                        rowsByPath->add(*restored, *at);
                    }
                    done[i] = 1;
                } else {
                    ++errors;
                    entry.failed = true;
                }
            }
            if (!workspace.nextItem()) break;
        }
    } catch (...) {
        record();
        throw;
    }
    record();
    showSummary(workspace.dialogs(), errors);
}

void returnToConversionList(Workspace& workspace) {
    if (workspace.busy()) return;
    BusyScope busy(workspace);
    auto& preview = workspace.previewList();
    workspace.setProgressMaximum(static_cast<int>(preview.size()));
    std::vector<char> done(preview.size(), 0);
    ConversionList rows;
    for (auto i = static_cast<std::ptrdiff_t>(preview.size()) - 1; i >= 0; --i) {
        const PreviewEntry& row = preview[static_cast<std::size_t>(i)];
        if (row.checked) {
            FileEntry entry = rowAt(row.fullPathBefore, row.size, row.modified);
            entry.name = row.oldName;
            rows.push_back(std::move(entry));
            done[static_cast<std::size_t>(i)] = 1;
        }
        if (!workspace.nextItem()) break;
    }
    removeFlagged(preview, done);
    appendReversed(workspace.conversionList(), rows);
}

void clearHistory(Workspace& workspace) {
    if (!workspace.busy()) workspace.historyList().clear();
}

}  // namespace vartel

#include "runs/new_names_run.h"

#include <algorithm>
#include <unordered_map>

#include "common/integer_text.h"
#include "common/message_text.h"
#include "workspace/list_walk.h"
#include "workspace/lists/messages.h"

namespace vartel {
namespace {

Text countText(std::size_t count) {
    return formatInteger(static_cast<std::int64_t>(count));
}

}  // namespace

bool runNewNames(Workspace& workspace, const std::vector<Text>& names) {
    if (workspace.busy()) return false;
    const auto& rows = workspace.conversionList();
    const auto checked = static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [](const FileEntry& row) { return row.checked; }));
    if (checked != names.size()) {
        workspace.dialogs().error(fillIn(fillIn(kNameCountDiffers, U"%s", countText(names.size())),
                                         U"%s", countText(checked)));
        return false;
    }
    BusyScope busy(workspace);
    workspace.planOnlyTouchedFolders();
    std::size_t next = 0;
    walkCheckedRows(workspace,
                    [&](const FileEntry&) -> std::optional<Text> { return names[next++]; });
    return true;
}

std::size_t runNamePairs(Workspace& workspace, const std::vector<NamePair>& pairs) {
    if (workspace.busy()) return 0;
    // A full path holds a "/", which no name does, so one table serves both.
    std::unordered_map<Text, const Text*> newNameOf;
    newNameOf.reserve(pairs.size());
    for (const auto& pair : pairs) newNameOf.try_emplace(pair.old, &pair.replacement);
    std::size_t unmatched = 0;
    {
        BusyScope busy(workspace);
        workspace.planOnlyTouchedFolders();
        Text path;
        walkCheckedRows(workspace, [&](const FileEntry& row) -> std::optional<Text> {
            path = folderText(row.folder);
            path += row.name;
            auto found = newNameOf.find(path);
            if (found == newNameOf.end()) found = newNameOf.find(row.name);
            if (found != newNameOf.end()) return *found->second;
            ++unmatched;
            return std::nullopt;
        });
    }
    return unmatched;
}

}  // namespace vartel

#include "editor/multi_condition_commands.h"

#include <iterator>

#include "editor/messages.h"
#include "editor/multi_condition_file.h"

namespace vartel {

void loadMultiConditionTable(MultiConditionTable& table, bool replace, Dialogs& dialogs) {
    const auto path = dialogs.openFile(editor_messages::kTableFilter);
    if (!path) return;
    auto rows = readMultiConditionFile(*path);
    if (replace) table.rows.clear();
    table.rows.insert(table.rows.end(), std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
}

bool addPair(MultiConditionTable& table, const Text& search, const Text& output, Dialogs& dialogs) {
    if (search.empty() || output.empty()) {
        dialogs.message(editor_messages::kEmptyField);
        return false;
    }
    if (holdsLineBreak(search) || holdsLineBreak(output)) {
        dialogs.message(editor_messages::kLineBreakRefused);
        return false;
    }
    table.rows.push_back({search, output});
    return true;
}

void deletePairs(MultiConditionTable& table, const std::vector<int>& selected) {
    std::vector<bool> remove(table.rows.size(), false);
    for (const int i : selected)
        if (i >= 0 && static_cast<std::size_t>(i) < remove.size())
            remove[static_cast<std::size_t>(i)] = true;
    std::vector<MultiConditionRow> kept;
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        if (!remove[i]) kept.push_back(std::move(table.rows[i]));
    table.rows = std::move(kept);
}

void saveTable(const MultiConditionTable& table, Dialogs& dialogs) {
    const auto path =
        dialogs.saveFile(editor_messages::kTableFilter, editor_messages::kTableExtension);
    if (!path) return;
    writeMultiConditionFile(*path, table);
}

}  // namespace vartel

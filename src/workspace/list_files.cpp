#include "workspace/list_files.h"

#include "platform/text_file.h"
#include "workspace/messages.h"

namespace vartel {
namespace {

void writeList(const ConversionList& rows, const std::string& path) {
    std::vector<Text> lines;
    lines.reserve(rows.size());
    for (const auto& row : rows) lines.push_back(row.fullPath);
    writeTextFile(path, lines);
}

// The save dialog; writes the list when a file is chosen and tells whether one was.
bool saveThroughDialog(Workspace& workspace) {
    const auto path = workspace.dialogs().saveFile(kListFileFilter, kListFileExtension);
    if (path) writeList(workspace.conversionList(), *path);
    return path.has_value();
}

void emptyLists(Workspace& workspace) {
    workspace.conversionList().clear();
    workspace.previewList().clear();
}

Answer askToSave(Workspace& workspace) {
    return workspace.dialogs().confirm(kSaveListQuestion, true);
}

}  // namespace

void saveList(Workspace& workspace) {
    if (!workspace.busy()) saveThroughDialog(workspace);
}

void loadList(Workspace& workspace) {
    if (workspace.busy()) return;
    auto& dialogs = workspace.dialogs();
    std::optional<std::string> saveTo;
    if (!workspace.conversionList().empty()) {
        const Answer answer = askToSave(workspace);
        if (answer == Answer::Cancel) return;
        if (answer == Answer::Yes) {
            saveTo = dialogs.saveFile(kListFileFilter, kListFileExtension);
            if (!saveTo) return;
        }
    }
    const auto openFrom = dialogs.openFile(kListFileFilter);
    if (!openFrom) return;
    if (saveTo) writeList(workspace.conversionList(), *saveTo);
    // Read before emptying, so a file that cannot be read leaves the lists as they were.
    const auto lines = readTextFile(*openFrom);
    emptyLists(workspace);
    workspace.writeListCount();
    workspace.addPaths(lines);
}

void newList(Workspace& workspace) {
    if (workspace.busy()) return;
    if (!workspace.conversionList().empty()) {
        switch (askToSave(workspace)) {
            case Answer::Cancel:
                return;
            case Answer::Yes:
                if (saveThroughDialog(workspace)) emptyLists(workspace);
                break;
            case Answer::No:
                emptyLists(workspace);
                break;
        }
    }
    workspace.writeListCount();
}

bool closeRequested(Workspace& workspace) {
    if (workspace.conversionList().empty()) return true;
    switch (askToSave(workspace)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            saveThroughDialog(workspace);
            return true;
        case Answer::No:
            return true;
    }
    return true;
}

}  // namespace vartel

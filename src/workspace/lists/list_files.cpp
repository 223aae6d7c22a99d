#include "workspace/lists/list_files.h"

#include "common/integer_text.h"
#include "common/message_text.h"
#include "platform/text_file.h"
#include "workspace/lists/messages.h"

namespace vartel {
namespace {

// How many refused paths the message names before it only counts the rest.
constexpr std::size_t kNamedRefusals = 10;

// A path is shown on one line, its line breaks as the escapes a user would type.
Text shownOnOneLine(const Text& path) {
    Text shown;
    for (const char32_t c : path) {
        if (c == U'\r') {
            shown += U"\\r";
        } else if (c == U'\n') {
            shown += U"\\n";
        } else {
            shown.push_back(c);
        }
    }
    return shown;
}

// One path per line: a path holding a line break would read back as other paths, which the
// program would then rename, so such a row is left out and the user told which.
void writeList(Workspace& workspace, const std::string& path) {
    const auto& rows = workspace.conversionList();
    const auto refusedRow = [](const FileEntry& row) {
        return holdsLineBreak(row.name) || holdsLineBreak(folderText(row.folder));
    };
    // Each path is put together only while it is written, never the whole list at once.
    writeTextFile(path, [&](const std::function<void(std::u32string_view)>& line) {
        Text fullPath;
        for (const auto& row : rows) {
            if (refusedRow(row)) continue;
            fullPath.assign(folderText(row.folder)).append(row.name);
            line(fullPath);
        }
    });
    std::vector<Text> refused;
    for (const auto& row : rows) {
        if (refusedRow(row)) refused.push_back(row.fullPath());
    }
    if (refused.empty()) return;
    Text message = kRowsNotSaved;
    for (std::size_t i = 0; i < refused.size() && i < kNamedRefusals; ++i) {
        message.append(U"\n").append(shownOnOneLine(refused[i]));
    }
    if (refused.size() > kNamedRefusals) {
        message.append(U"\n").append(
            fillIn(kMoreRowsNotSaved, U"%s",
                   formatInteger(static_cast<std::int64_t>(refused.size() - kNamedRefusals))));
    }
    workspace.dialogs().error(message);
}

// The save dialog; writes the list when a file is chosen and tells whether one was.
bool saveThroughDialog(Workspace& workspace) {
    const auto path = workspace.dialogs().saveFile(kListFileFilter, kListFileExtension);
    if (path) writeList(workspace, *path);
    return path.has_value();
}

// Both lists go, and the status bar says so at once.
void emptyLists(Workspace& workspace) {
    workspace.conversionList().clear();
    workspace.previewList().clear();
    workspace.writeListCount();
    workspace.writePreviewCount();
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
    if (saveTo) writeList(workspace, *saveTo);
    // Read before emptying, so a file that cannot be read leaves the lists as they were. Only
    // full paths are taken: a relative one would depend on where the program was started.
    TextLineReader lines(*openFrom);
    emptyLists(workspace);
    workspace.addPaths([&]() -> std::optional<Text> {
        while (auto line = lines.next()) {
            if (line->starts_with(U'/')) return line;
        }
        return std::nullopt;
    });
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

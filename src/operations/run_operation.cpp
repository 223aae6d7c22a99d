#include "operations/run_operation.h"

#include "operations/list_walk.h"
#include "operations/messages.h"

namespace vartel {
namespace {

Text stemOfRow(const FileEntry& row) {
    return row.name.substr(0, row.name.size() - row.extension.size());
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool recordStep(const OperationSettings& operation, int checkedCount, RecordingFrame& frame) {
    return std::visit(
        Overloaded{
            [&](const AddTextSettings& s) { return recordAddText(s, frame); },
            [&](const DeleteSettings& s) { return recordDelete(s, frame); },
            [&](const ReplaceSettings& s) { return recordReplace(s, frame); },
            [&](const NumberingSettings& s) { return recordNumbering(s, checkedCount, frame); },
            [&](const ExtensionSettings& s) { return recordExtension(s, frame); }},
        operation);
}

// The new name of each row; the numbering counts on from row to row.
NewNameOfRow listPathOf(const OperationSettings& operation, int checkedCount) {
    const auto byParts = [](auto newName) -> NewNameOfRow {
        return [newName](const FileEntry& row) mutable -> std::optional<Text> {
            return newName(stemOfRow(row), row.extension);
        };
    };
    return std::visit(Overloaded{[&](const AddTextSettings& s) {
                                     return byParts([s](const Text& stem, const Text& ext) {
                                         return addTextNewName(s, stem, ext);
                                     });
                                 },
                                 [&](const DeleteSettings& s) {
                                     return byParts([s](const Text& stem, const Text& ext) {
                                         return deleteNewName(s, stem, ext);
                                     });
                                 },
                                 [&](const ReplaceSettings& s) {
                                     return byParts([s](const Text& stem, const Text& ext) {
                                         return replaceNewName(s, stem, ext);
                                     });
                                 },
                                 [&](const NumberingSettings& s) {
                                     return byParts([s, checkedCount, number = s.start](
                                                        const Text& stem, const Text& ext) mutable {
                                         const Text text =
                                             numberText(number, s.autoDigits, checkedCount);
                                         number = nextNumber(number, s.step);
                                         return numberingNewName(s, stem, ext, text);
                                     });
                                 },
                                 [&](const ExtensionSettings& s) {
                                     return byParts([s](const Text& stem, const Text& ext) {
                                         return extensionNewName(s, stem, ext);
                                     });
                                 }},
                      operation);
}

}  // namespace

bool runOperation(Workspace& workspace, RecordingFrame& recording,
                  const OperationSettings& operation) {
    if (workspace.busy()) return false;
    BusyScope busy(workspace);
    // Counted before any row moves, on both paths.
    const int checkedCount = workspace.checkedFileCount();
    if (recording.recording()) {
        if (recordStep(operation, checkedCount, recording)) return true;
        workspace.dialogs().message(messages::kNoFreeVariable);
        return false;
    }
    walkCheckedRows(workspace, listPathOf(operation, checkedCount));
    return false;
}

}  // namespace vartel

#include <cstdio>
#include <string>

#include "cli/argument_reader.h"
#include "cli/cli_dialogs.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/interrupt_pump.h"
#include "cli/journal_guard.h"
#include "cli/messages.h"
#include "cli/operation_arguments.h"
#include "cli/output.h"
#include "cli/summary_dialogs.h"
#include "common/error.h"
#include "common/pump.h"
#include "editor/macro_editor.h"
#include "editor/multi_condition_file.h"
#include "macro/macro_file.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/interrupt.h"
#include "runs/macro_run.h"
#include "runs/operation_run.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/execution/execution.h"

namespace vartel::cli {
namespace {

// Prints each row as printLine prints its fields joined by TABs, without making that text
// first: the bytes are appended in place, the path of a folder is converted once for all its
// rows, and the records leave in large blocks.
void printPreviewRows(const PreviewList& rows, bool withStatus) {
    constexpr std::size_t kBlock = 1 << 16;
    std::string block;
    block.reserve(kBlock + 4096);
    const Text* folder = nullptr;
    std::string folderBytes;
    for (const auto& row : rows) {
        const std::size_t start = block.size();
        appendBytesFromText(block, row.oldName);
        block += '\t';
        appendBytesFromText(block, row.newName);
        block += '\t';
        if (&folderText(row.folder) != folder) {
            folder = &folderText(row.folder);
            folderBytes = bytesFromText(*folder);
        }
        block += folderBytes;
        appendBytesFromText(block, row.oldName);
        if (withStatus) {
            block += '\t';
            block += planStatusRow(row.status).key;
        }
        block += '\n';
        // printLine writes a record up to a NUL only, and a macro may put one in a name.
        const auto nul = block.find('\0', start);
        if (nul != std::string::npos) block.resize(nul);
        if (block.size() >= kBlock) {
            std::fwrite(block.data(), 1, block.size(), stdout);
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), stdout);
}

void reportFailedRows(const PreviewList& rows) {
    for (const auto& row : rows) {
        if (row.failed)
            printErrorLine(row.oldName + U"\t" + row.newName + U"\t" + row.failureReason.text());
    }
}

void tellAbout(const Text& path, const Text& reason) {
    CliDialogs().message(path + U": " + reason);
}

// Every path is named before anything is done, so a typing error cannot pass for an empty
// folder.
bool allPathsExist(const std::vector<std::string>& paths) {
    bool found = true;
    for (const auto& path : paths) {
        if (lookUpFile(path)) continue;
        tellAbout(textFromBytes(path), kNoSuchPath);
        found = false;
    }
    return found;
}

// The lists of a large walk take a tenth of a second to free, and the process ends with the
// command; so the workspace is left for the process's end to free, still reachable from here.
Workspace& workspaceLeftToTheEnd(Dialogs& dialogs, Pump& pump) {
    static Workspace* left = nullptr;
    delete left;
    left = new Workspace(dialogs, pump);
    return *left;
}

int previewOrRename(const Arguments& args, bool rename) {
    const auto split = splitOperations(args);
    const ArgumentReader reader(split ? split->rest : args, {"--macro", "--table"},
                                {"--status", "--literal-order", "--folders", "--recursive"});
    const std::size_t operations = split ? split->operations.size() : 0;
    if (!split || !reader.valid() || reader.has("--macro") == (operations == 1) ||
        (reader.has("--table") && !reader.has("--macro")) || operations > 1 ||
        reader.positional().empty() || (reader.has("--recursive") && !reader.has("--folders"))) {
        printUsage(rename ? "rename" : "preview");
        return 2;
    }
    const bool foldersAsRows = reader.has("--folders");
    if (foldersAsRows) {
        for (const auto& path : reader.positional()) {
            const auto status = lookUpFile(path);
            if (!status || !status->isFolder) {
                std::fprintf(stderr, "not a folder: %s\n", path.c_str());
                return 2;
            }
        }
    }
    std::optional<OperationSettings> operation;
    if (operations == 1) {
        operation = operationOf(split->operations[0].first, split->operations[0].second);
        if (!operation) return 2;
    }
    SummaryDialogs dialogs;
    InterruptPump pump;
    Workspace& workspace = workspaceLeftToTheEnd(dialogs, pump);
    pump.watch(workspace);
    workspace.setLiteralOrder(reader.has("--literal-order"));
    const bool status = reader.has("--status");
    workspace.setPlanningPreview(status);
    std::optional<RenameJournal> journal;
    if (rename) {
        journal = openJournal();
        if (!journal) return 1;
        std::size_t damagedReported = 0;
        if (refuseWhileUnfinished(*journal, damagedReported)) return kUnfinishedBatchExit;
        workspace.setJournal(&*journal);
    }
    MacroEditor editor;
    const SystemClock clock;
    const auto interrupted = [] {
        if (!interruptRequested()) return false;
        CliDialogs().message(kInterrupted);
        return true;
    };
    try {
        if (!operation && !loadMacroFile(editor.program(), *reader.value("--macro"), dialogs))
            return 1;
        if (const auto table = reader.value("--table")) {
            editor.table().rows = readMultiConditionFile(*table);
        }
        if (!allPathsExist(reader.positional())) return kFailed;
        std::vector<Text> paths;
        for (const auto& path : reader.positional()) paths.push_back(textFromBytes(path));
        if (foldersAsRows) {
            workspace.addFolderRows(paths, reader.has("--recursive"));
        } else {
            workspace.drop(paths);
            if (interrupted()) return kInterruptedExit;
            if (!workspace.foldersNotListed().empty()) {
                for (const auto& folder : workspace.foldersNotListed()) {
                    tellAbout(folder, kFolderNotListed);
                }
                return kWalkIncomplete;
            }
        }
        if (operation) {
            RecordingState notRecording;
            RecordingFrame frame(notRecording, editor.program());
            runOperation(workspace, frame, *operation);
        } else {
            runMacroOverList(workspace, editor, clock);
        }
        // A preview cut short is not the one asked for, and must not be carried out.
        if (interrupted()) return kInterruptedExit;
        printPreviewRows(workspace.previewList(), status);
        dialogs.printHeld();
        if (!rename) return 0;
        execute(workspace);
        reportFailedRows(workspace.previewList());
        dialogs.printHeld();
        if (interrupted()) return kInterruptedExit;
        if (dialogs.errorsShown() != 0) return kFailed;
        for (const auto& row : workspace.previewList()) {
            if (row.failed) return kSomeRenamesFailed;
        }
        return 0;
    } catch (const std::exception& failure) {
        dialogs.printHeld();
        dialogs.error(failureMessage(failure));
        return kFailed;
    }
}

}  // namespace

int runPreview(const Arguments& args) {
    return previewOrRename(args, false);
}
int runRename(const Arguments& args) {
    return previewOrRename(args, true);
}

}  // namespace vartel::cli

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string>

#include "cli/argument_reader.h"
#include "cli/cli_dialogs.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/interrupt_pump.h"
#include "cli/journal_guard.h"
#include "cli/macro_input.h"
#include "cli/messages.h"
#include "cli/names_input.h"
#include "cli/operation_arguments.h"
#include "cli/output.h"
#include "cli/summary_dialogs.h"
#include "common/error.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "common/pump.h"
#include "editor/macro_editor.h"
#include "editor/multi_condition_file.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/interrupt.h"
#include "platform/user_editor.h"
#include "runs/macro_run.h"
#include "runs/new_names_run.h"
#include "runs/operation_run.h"
#include "workspace/batch/plan_texts.h"
#include "workspace/execution/execute.h"
#include "workspace/lists/messages.h"
#include "workspace/preview_batch.h"

namespace vartel::cli {
namespace {

// A companion file as the preview lists it, after its row.
struct CompanionLine {
    std::size_t row;
    Text oldName;
    Text newName;
    PlanStatus status;
};

// The companions execute would take along, each after its row, with the status the batch's
// plan gives it when statuses are printed.
std::vector<CompanionLine> companionLines(const Workspace& workspace, bool withStatus) {
    const PreviewList& preview = workspace.previewList();
    std::vector<std::size_t> bottomUp(preview.size());
    std::iota(bottomUp.rbegin(), bottomUp.rend(), std::size_t{0});
    const PreviewBatch batch = previewBatch(workspace, bottomUp, {});
    RenamePlan plan;
    if (withStatus) {
        plan = planRenames(batch.requests, {.literalOrder = workspace.literalOrder(),
                                            .statusesOnly = true,
                                            .groups = batch.groupsOrNone()});
    }
    std::vector<CompanionLine> lines;
    for (std::size_t k = 0; k < batch.requests.size(); ++k) {
        if (!batch.isCompanion(k)) continue;
        lines.push_back({batch.rowOf[k], textFromBytes(batch.requests[k].name()),
                         textFromBytes(batch.requests[k].newName),
                         withStatus ? plan.statuses[k] : PlanStatus::Ok});
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.row < b.row; });
    return lines;
}

// A companion's status field: marked as one, with the status that stops it.
Text companionStatus(PlanStatus status) {
    Text field = U"companion";
    if (blocksRow(status)) field += U"/" + textFromBytes(planStatusRow(status).key);
    return field;
}

// Prints each row as printRecord prints its fields, without making their texts first: the
// bytes are appended in place, the path of a folder is converted once for all its rows, and the
// records leave in large blocks. Companion files follow their rows.
void printPreviewRows(const PreviewList& rows, const std::vector<CompanionLine>& companions,
                      bool withStatus) {
    constexpr std::size_t kBlock = 1 << 16;
    std::string block;
    block.reserve(kBlock + 4096);
    const Text* folder = nullptr;
    std::string folderBytes;
    auto companion = companions.begin();
    const auto append = [&](const PreviewEntry& row, const Text& oldName, const Text& newName,
                            const Text& status) {
        appendField(block, oldName, false);
        appendField(block, newName, false);
        if (&folderText(row.folder) != folder) {
            folder = &folderText(row.folder);
            folderBytes.clear();
            appendField(folderBytes, *folder, false);
            folderBytes.pop_back();  // the path goes on with the name
        }
        block += folderBytes;
        appendField(block, oldName, !withStatus);
        if (withStatus) appendField(block, status, true);
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PreviewEntry& row = rows[i];
        append(row, row.oldName, row.newName,
               withStatus ? textFromBytes(planStatusRow(row.status).key) : Text());
        for (; companion != companions.end() && companion->row == i; ++companion) {
            append(row, companion->oldName, companion->newName, companionStatus(companion->status));
        }
        if (block.size() >= kBlock) {
            std::fwrite(block.data(), 1, block.size(), stdout);
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), stdout);
}

void reportFailedRows(const PreviewList& rows) {
    for (const auto& row : rows) {
        if (row.failed) printErrorRecord({row.oldName, row.newName, row.failureReason.text()});
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

// Empty files never become rows; one named on the command line is said to be passed over, so
// that its absence from the output is not taken for a failure.
void tellAboutEmptyFiles(const std::vector<std::string>& paths) {
    std::int64_t empty = 0;
    for (const auto& path : paths) {
        const auto status = lookUpFile(path);
        if (status && status->isRegular && status->size == 0) ++empty;
    }
    if (empty != 0) CliDialogs().message(fillIn(kEmptyFilesSkipped, U"%s", formatInteger(empty)));
}

// The lists of a large walk take a tenth of a second to free, and the process ends with the
// command; so the workspace is left for the process's end to free, still reachable from here.
Workspace& workspaceLeftToTheEnd(Dialogs& dialogs, Pump& pump) {
    static Workspace* left = nullptr;
    delete left;
    left = new Workspace(dialogs, pump);
    return *left;
}

// A preview cut short is not the one asked for, and must not be carried out.
bool interrupted() {
    if (!interruptRequested()) return false;
    CliDialogs().message(kInterrupted);
    return true;
}

enum class Mode { Preview, Rename, Edit };

const char* commandOf(Mode mode) {
    switch (mode) {
        case Mode::Preview:
            return "preview";
        case Mode::Rename:
            return "rename";
        case Mode::Edit:
            break;
    }
    return "edit";
}

// Exactly one of an operation, --macro, --names and --pairs (none for edit, whose names come
// from the editor); --table only with --macro; --recursive only with --folders; not both
// --companions and --no-companions; a path.
bool argumentsFit(std::size_t operations, const ArgumentReader& reader, Mode mode) {
    const std::size_t sources = operations + (reader.has("--macro") ? 1 : 0) +
                                (reader.has("--names") ? 1 : 0) + (reader.has("--pairs") ? 1 : 0);
    return reader.valid() && sources == (mode == Mode::Edit ? 0 : 1) &&
           (!reader.has("--table") || reader.has("--macro")) && !reader.positional().empty() &&
           (!reader.has("--recursive") || reader.has("--folders")) &&
           !(reader.has("--companions") && reader.has("--no-companions"));
}

bool allFolders(const std::vector<std::string>& paths) {
    for (const auto& path : paths) {
        const auto status = lookUpFile(path);
        if (!status || !status->isFolder) {
            std::fprintf(stderr, "not a folder: %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

// The paths into the conversion list: their files, or the folders themselves as rows. Gives
// the exit status when they cannot all be listed, 0 when they are.
int addPaths(Workspace& workspace, const ArgumentReader& reader) {
    if (!allPathsExist(reader.positional())) return kFailed;
    if (!reader.has("--folders")) tellAboutEmptyFiles(reader.positional());
    std::vector<Text> paths;
    for (const auto& path : reader.positional()) paths.push_back(textFromBytes(path));
    if (reader.has("--folders")) {
        workspace.addFolderRows(paths, reader.has("--recursive"));
    } else {
        workspace.drop(paths);
    }
    if (interrupted()) return kInterruptedExit;
    if (workspace.foldersNotListed().empty()) return 0;
    for (const auto& folder : workspace.foldersNotListed()) tellAbout(folder, kFolderNotListed);
    return kWalkIncomplete;
}

// Carries the preview out; the exit status tells whether every row was renamed.
int renamePreview(Workspace& workspace, SummaryDialogs& dialogs) {
    execute(workspace);
    reportFailedRows(workspace.previewList());
    dialogs.printHeld();
    if (interrupted()) return kInterruptedExit;
    if (dialogs.errorsShown() != 0) return kFailed;
    for (const auto& row : workspace.previewList()) {
        if (row.failed) return kSomeRenamesFailed;
    }
    return 0;
}

// Where the new names come from: an operation, a macro, a names list or pairs, read before the
// walk so that a fault in them is told at once. Edit asks the editor after the walk.
struct NameSource {
    enum class From { Operation, Macro, Names, Pairs, Editor };
    From from = From::Editor;
    std::optional<OperationSettings> operation;
    MacroEditor editor;
    std::vector<Text> names;
    std::vector<NamePair> pairs;
};

bool loadSource(NameSource& source, const ArgumentReader& reader) {
    if (const auto macro = reader.value("--macro")) {
        source.from = NameSource::From::Macro;
        if (!loadNamedMacro(source.editor.program(), *macro)) return false;
        if (const auto table = reader.value("--table"))
            source.editor.table().rows = readMultiConditionFile(*table);
    }
    if (const auto file = reader.value("--names")) {
        source.from = NameSource::From::Names;
        source.names = namesFromLines(readNamesFile(*file));
    }
    if (const auto file = reader.value("--pairs")) {
        source.from = NameSource::From::Pairs;
        source.pairs = namePairsFromCsv(readNamesFile(*file));
    }
    return true;
}

// The checked rows' names through the user's editor; false when the editor failed or a name
// cannot stand on a line of its own.
bool namesFromEditor(const Workspace& workspace, std::vector<Text>& names) {
    std::vector<std::string> lines;
    for (const auto& row : workspace.conversionList()) {
        if (!row.checked) continue;
        if (row.name.find(U'\n') != Text::npos) {
            tellAbout(row.fullPath(), kNameHoldsLineBreak);
            return false;
        }
        lines.push_back(bytesFromText(row.name));
    }
    std::string problem;
    const auto edited = editLines(lines, problem);
    if (!edited) {
        CliDialogs().message(kEditorFailed + U"（" + textFromBytes(problem) + U"）");
        return false;
    }
    names.clear();
    for (const auto& line : *edited) names.push_back(textFromBytes(line));
    names = namesFromLines(std::move(names));
    return true;
}

// Moves the rows the source renames into the preview; false when the names do not fit.
bool makePreview(Workspace& workspace, NameSource& source) {
    switch (source.from) {
        case NameSource::From::Operation: {
            RecordingState notRecording;
            RecordingFrame frame(notRecording, source.editor.program());
            runOperation(workspace, frame, *source.operation);
            return true;
        }
        case NameSource::From::Macro: {
            const SystemClock clock;
            runMacroOverList(workspace, source.editor, clock);
            return true;
        }
        case NameSource::From::Pairs:
            if (const std::size_t unmatched = runNamePairs(workspace, source.pairs))
                CliDialogs().message(fillIn(kRowsWithoutPair, U"%s",
                                            formatInteger(static_cast<std::int64_t>(unmatched))));
            return true;
        case NameSource::From::Editor:
            if (!namesFromEditor(workspace, source.names)) return false;
            break;
        case NameSource::From::Names:
            break;
    }
    return runNewNames(workspace, source.names);
}

// Edit asks before it renames, unless told --yes; anything but y or yes is no.
bool renameConfirmed(const ArgumentReader& reader, const PreviewList& preview) {
    if (reader.has("--yes") || preview.empty()) return !preview.empty();
    std::fflush(stdout);
    std::fputs(bytesFromText(kAskBeforeRenaming).c_str(), stderr);
    std::fflush(stderr);
    char answer[16] = {};
    if (std::fgets(answer, sizeof answer, stdin) == nullptr) return false;
    const std::string_view said(answer, std::strcspn(answer, "\r\n"));
    return said == "y" || said == "Y" || said == "yes";
}

int previewOrRename(const Arguments& args, Mode mode) {
    const auto split = splitOperations(args);
    const ArgumentReader reader = readArguments(commandOf(mode), split ? split->rest : args);
    const std::size_t operations = split ? split->operations.size() : 0;
    if (!split || operations > 1 || !argumentsFit(operations, reader, mode)) {
        printUsage(commandOf(mode));
        return 2;
    }
    if (reader.has("--folders") && !allFolders(reader.positional())) return 2;
    takeRecordForm(reader);
    NameSource source;
    if (operations == 1) {
        source.from = NameSource::From::Operation;
        source.operation = operationOf(split->operations[0].first, split->operations[0].second);
        if (!source.operation) return 2;
    }
    SummaryDialogs dialogs;
    InterruptPump pump;
    Workspace& workspace = workspaceLeftToTheEnd(dialogs, pump);
    pump.watch(workspace);
    workspace.setLiteralOrder(reader.has("--literal-order"));
    workspace.setWithCompanions(reader.has("--companions"));
    const bool withStatus = reader.has("--status") || mode == Mode::Edit;
    workspace.setPlanningPreview(withStatus);
    std::optional<RenameJournal> journal;
    if (mode != Mode::Preview) {
        journal = openJournal();
        if (!journal) return 1;
        std::size_t damagedReported = 0;
        if (refuseWhileUnfinished(*journal, damagedReported)) return kUnfinishedBatchExit;
        workspace.setJournal(&*journal);
    }
    try {
        if (!loadSource(source, reader)) return kFailed;
        if (const int status = addPaths(workspace, reader); status != 0) return status;
        const bool made = makePreview(workspace, source);
        dialogs.printHeld();
        if (!made) return kFailed;
        if (interrupted()) return kInterruptedExit;
        printPreviewRows(workspace.previewList(),
                         workspace.withCompanions() ? companionLines(workspace, withStatus)
                                                    : std::vector<CompanionLine>{},
                         withStatus);
        if (mode == Mode::Preview) return 0;
        if (mode == Mode::Edit && !renameConfirmed(reader, workspace.previewList())) return 0;
        return renamePreview(workspace, dialogs);
    } catch (const std::exception& failure) {
        dialogs.printHeld();
        dialogs.error(failureMessage(failure));
        return kFailed;
    }
}

}  // namespace

int runPreview(const Arguments& args) {
    return previewOrRename(args, Mode::Preview);
}
int runRename(const Arguments& args) {
    return previewOrRename(args, Mode::Rename);
}
int runEdit(const Arguments& args) {
    return previewOrRename(args, Mode::Edit);
}

}  // namespace vartel::cli

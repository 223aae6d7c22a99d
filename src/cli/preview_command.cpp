#include <cstdio>

#include "cli/argument_reader.h"
#include "cli/cli_dialogs.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/operation_arguments.h"
#include "cli/output.h"
#include "common/error.h"
#include "common/pump.h"
#include "editor/macro_editor.h"
#include "editor/multi_condition_file.h"
#include "macro/macro_file.h"
#include "platform/clock.h"
#include "recording/macro_run.h"
#include "recording/operation_run.h"
#include "workspace/execution.h"

namespace vartel::cli {
namespace {

constexpr int kSomeRenamesFailed = 4;

// The summary of an execution is the command's result, so it goes to standard output.
class SummaryDialogs : public CliDialogs {
  public:
    void message(const Text& text) override { printLine(text); }
};

int previewOrRename(const Arguments& args, bool rename) {
    const auto split = splitOperations(args);
    const ArgumentReader reader(split ? split->rest : args, {"--macro", "--table"}, {});
    const std::size_t operations = split ? split->operations.size() : 0;
    if (!split || !reader.valid() || reader.has("--macro") == (operations == 1) ||
        (reader.has("--table") && !reader.has("--macro")) || operations > 1 ||
        reader.positional().empty()) {
        printUsage(rename ? "rename" : "preview");
        return 2;
    }
    std::optional<OperationSettings> operation;
    if (operations == 1) {
        operation = operationOf(split->operations[0].first, split->operations[0].second);
        if (!operation) return 2;
    }
    SummaryDialogs dialogs;
    NoPump pump;
    Workspace workspace(dialogs, pump);
    MacroEditor editor;
    const SystemClock clock;
    try {
        if (!operation && !loadMacroFile(editor.program(), *reader.value("--macro"), dialogs))
            return 1;
        if (const auto table = reader.value("--table")) {
            editor.table().rows = readMultiConditionFile(*table);
        }
        std::vector<Text> paths;
        for (const auto& path : reader.positional()) paths.push_back(textFromBytes(path));
        workspace.drop(paths);
        if (operation) {
            RecordingState notRecording;
            RecordingFrame frame(notRecording, editor.program());
            runOperation(workspace, frame, *operation);
        } else {
            runMacroOverList(workspace, editor, clock);
        }
        for (const auto& row : workspace.previewList()) {
            printLine(row.oldName + U"\t" + row.newName + U"\t" + row.fullPathBefore);
        }
        if (!rename) return 0;
        execute(workspace);
        for (const auto& row : workspace.previewList()) {
            if (row.failed) return kSomeRenamesFailed;
        }
        return 0;
    } catch (const VartelError& failure) {
        dialogs.error(failure.message());
        return 1;
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

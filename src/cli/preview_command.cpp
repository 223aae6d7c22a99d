#include <cstdio>

#include "cli/argument_reader.h"
#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "common/error.h"
#include "editor/macro_editor.h"
#include "macro/macro_file.h"
#include "platform/clock.h"
#include "recording/macro_run.h"
#include "workspace/execution.h"

namespace vartel::cli {
namespace {

constexpr int kSomeRenamesFailed = 4;

void printLine(const Text& line) {
    const std::string bytes = bytesFromText(line) + "\n";
    std::fputs(bytes.c_str(), stdout);
}

// Nothing to keep alive without a window.
class NoPump : public Pump {
public:
    void pump() override {}
};

// The summary of an execution is the command's result, so it goes to standard output.
class SummaryDialogs : public CliDialogs {
public:
    void message(const Text& text) override { printLine(text); }
};

int previewOrRename(const Arguments& args, bool rename) {
    const ArgumentReader reader(args, {"--macro"}, {});
    if (!reader.valid() || !reader.has("--macro") || reader.positional().empty()) {
        std::fprintf(stderr, "usage: vartel-cli %s --macro MACRO.vmc PATH...\n",
                     rename ? "rename" : "preview");
        return 2;
    }
    SummaryDialogs dialogs;
    NoPump pump;
    Workspace workspace(dialogs, pump);
    MacroEditor editor;
    const SystemClock clock;
    try {
        if (!PLode(editor.program(), *reader.value("--macro"), dialogs)) return 1;
        std::vector<Text> paths;
        for (const auto& path : reader.positional()) paths.push_back(textFromBytes(path));
        workspace.drop(paths);
        runMacroOverList(workspace, editor, clock);
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

int runPreview(const Arguments& args) { return previewOrRename(args, false); }
int runRename(const Arguments& args) { return previewOrRename(args, true); }

}  // namespace vartel::cli

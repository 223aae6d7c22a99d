#include <cstdio>

#include "cli/argument_reader.h"
#include "cli/cli_dialogs.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/operation_arguments.h"
#include "cli/output.h"
#include "common/error.h"
#include "common/integer_text.h"
#include "macro/macro_file.h"
#include "operations/messages.h"
#include "recording/recorder.h"

namespace vartel::cli {
namespace {

std::vector<Text> displayRowFields(int number, const DisplayRow& row) {
    std::vector<Text> fields = {formatInteger(number), row.target, row.kind, row.type};
    fields.insert(fields.end(), row.operands.begin(), row.operands.end());
    return fields;
}

// Without a list, the count given stands for the checked rows and, per folder, for the largest
// folder group.
class GivenCount : public CheckedFileCount {
  public:
    explicit GivenCount(int count) : count_(count) {}
    int checkedFileCount() const override { return count_; }
    int largestFolderGroup() const override { return count_; }

  private:
    int count_;
};

}  // namespace

int runRecord(const Arguments& args) {
    const auto split = splitOperations(args);
    const ArgumentReader reader = readArguments("record", split ? split->rest : args);
    const auto checked = parseInteger(textFromBytes(reader.value("--checked").value_or("0")));
    if (!split || !reader.valid() || !reader.positional().empty() || !reader.has("--sample") ||
        split->operations.empty() || reader.has("-o") != reader.has("--title") || !checked ||
        *checked < 0) {
        printUsage("record");
        return 2;
    }
    std::vector<OperationSettings> operations;
    for (const auto& [kind, settings] : split->operations) {
        const auto operation = operationOf(kind, settings);
        if (!operation) return 2;
        operations.push_back(*operation);
    }

    CliDialogs dialogs;  // a step refused for want of variables says so on standard error
    MacroEditor editor;
    Recorder recorder(editor, dialogs);
    recorder.initialFileName = textFromBytes(*reader.value("--sample"));
    if (!recorder.start()) return kFailed;  // the recorder has said why
    const GivenCount list(*checked);
    for (const auto& operation : operations) {
        // The recording touches no row; the numbering only asks how many are checked.
        RecordingFrame frame = recorder.frame();
        if (!recordOperation(operation, list, frame)) dialogs.message(messages::kNoFreeVariable);
    }
    recorder.stop();

    if (reader.has("--steps")) {
        for (const auto& step : recorder.state().steps) {
            printRecord({step.nameAfter, step.kind, step.detail});
        }
    } else {
        const auto& lines = editor.program().lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            printRecord(displayRowFields(static_cast<int>(i) + 1, lines[i].display));
        }
    }
    if (reader.has("-o")) {
        try {
            saveMacroFile(editor.program(), *reader.value("-o"),
                          textFromBytes(*reader.value("--title")));
        } catch (const std::exception& failure) {
            dialogs.error(failureMessage(failure));
            return kFailed;
        }
    }
    return 0;
}

}  // namespace vartel::cli

#include <cstdio>

#include "cli/argument_reader.h"
#include "cli/cli_dialogs.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/macro_input.h"
#include "cli/messages.h"
#include "cli/output.h"
#include "common/error.h"
#include "common/integer_text.h"
#include "editor/macro_editor.h"
#include "editor/multi_condition_file.h"
#include "editor/test_run.h"
#include "platform/clock.h"
#include "platform/interrupt.h"

namespace vartel::cli {
namespace {

// Outside the main window there is no conversion list, so no file is checked.
class NoCheckedFiles : public CheckedFileCount {
  public:
    int checkedFileCount() const override { return 0; }
};

// Ctrl+C stops the run between two lines, as "中止" does in the window.
class InterruptControl : public RunControl {
  public:
    bool keepGoing() override { return !interruptRequested(); }
};

std::vector<Text> traceFields(const TraceRow& row) {
    std::vector<Text> fields = {formatInteger(row.number), row.output};
    for (const auto& text : row.operandTexts) fields.push_back(text);
    for (const auto number : row.operandNumbers) fields.push_back(formatInteger(number));
    return fields;
}

}  // namespace

int runMacroRun(const Arguments& args) {
    const ArgumentReader reader = readArguments("macro-run", args);
    const auto guardNo = parseInteger(textFromBytes(reader.value("--guard-no").value_or("0")));
    if (!reader.valid() || reader.positional().size() != 1 || !guardNo || *guardNo < 0) {
        printUsage("macro-run");
        return 2;
    }
    CliDialogs dialogs(*guardNo);
    MacroEditor editor;
    const SystemClock clock;
    const NoCheckedFiles noFiles;
    std::vector<TraceRow> trace;
    InterruptControl control;
    const auto printTrace = [&] {
        if (!reader.has("--trace")) return;
        for (const auto& row : trace) printRecord(traceFields(row));
    };
    try {
        if (!loadNamedMacro(editor.program(), reader.positional()[0])) return kFailed;
        if (const auto table = reader.value("--table"))
            editor.table().rows = readMultiConditionFile(*table);
        const TestSample sample{textFromBytes(reader.value("--name").value_or("")),
                                textFromBytes(reader.value("--ext").value_or("")),
                                textFromBytes(reader.value("--path").value_or(""))};
        const auto result = testRun(
            editor, sample, {dialogs, clock, noFiles, fileMetadataReader(), &control}, trace);
        printTrace();
        if (interruptRequested()) {
            dialogs.message(kInterrupted);
            return kInterruptedExit;
        }
        if (!result) return 3;
        printRecord({*result});
        return 0;
    } catch (const std::exception& failure) {
        printTrace();
        dialogs.error(failureMessage(failure));
        return kFailed;
    }
}

}  // namespace vartel::cli

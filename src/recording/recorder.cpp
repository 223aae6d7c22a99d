#include "recording/recorder.h"

#include "common/error.h"
#include "editor/macro_file_commands.h"
#include "macro/variable_table.h"
#include "recording/messages.h"

namespace vartel {

bool Recorder::offerToSave() {
    try {
        return vartel::offerToSave(editor_, dialogs_);
    } catch (const VartelError& failure) {
        // The user asked to keep this macro; clearing it now would lose it.
        dialogs_.error(failure.message());
        return false;
    }
}

void Recorder::clearEditorMacro() {
    MacroProgram& program = editor_.program();
    program.clearLines();
    program.tables() = newVariableTables();
}

bool Recorder::sampleNameUsable() {
    if (!holdsLineBreak(initialFileName)) return true;
    dialogs_.message(kSampleNameHasLineBreak);
    return false;
}

bool Recorder::start() {
    if (state_.on || !sampleNameUsable() || !offerToSave()) return false;
    clearEditorMacro();
    state_.restart(initialFileName);
    state_.on = true;
    notify(closeEditorWindow);
    notify(showMacroResultTab);
    return true;
}

bool Recorder::recordWithFile(const ConversionList& rows) {
    if (state_.on) return false;
    for (const auto& row : rows) {
        if (!row.selected) continue;
        initialFileName = row.name;
        return start();
    }
    return false;
}

void Recorder::stop() {
    if (!state_.on) return;
    MacroProgram& program = editor_.program();
    program.clearLines();
    for (const auto& line : state_.macro) program.appendLine(line);
    state_.on = false;
    notify(showMacroResultTab);
    notify(closeEditorWindow);
}

void Recorder::reset() {
    if (!state_.on || !sampleNameUsable()) return;
    clearEditorMacro();
    state_.restart(initialFileName);
    notify(closeEditorWindow);
}

void Recorder::switchView() {
    view_ = view_ == RecordingView::Lines ? RecordingView::Steps : RecordingView::Lines;
}

bool Recorder::enabled(RecordingCommand command) const {
    switch (command) {
        case RecordingCommand::StopRecording:
        case RecordingCommand::RecordingBox:
            return state_.on;
        default:
            return !state_.on;
    }
}

}  // namespace vartel

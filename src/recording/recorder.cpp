#include "recording/recorder.h"

#include "common/error.h"
#include "macro/macro_file.h"
#include "macro/variables.h"
#include "recording/messages.h"

namespace vartel {

bool Recorder::offerToSave() {
    if (editor_.program().lineCount() == 0) return true;
    const Answer answer = dialogs_.confirm(kSaveCurrentMacro, true);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::No) return true;
    const auto title = dialogs_.askText(kTitleCaption, kTitlePrompt);
    if (!title) return true;
    const auto path = dialogs_.saveFile(kMacroFileFilter, kMacroFileExtension);
    if (!path) return true;
    try {
        PSave(editor_.program(), *path, *title);
    } catch (const VartelError& failure) {
        // The user asked to keep this macro; clearing it now would lose it.
        dialogs_.error(failure.message());
        return false;
    }
    return true;
}

void Recorder::clearEditorMacro() {
    MacroProgram& program = editor_.program();
    program.clearLines();
    for (int code = 1; code <= kVariableCount; ++code) program.setInitialValue(code, U"0");
}

bool Recorder::start() {
    if (state_.on || !offerToSave()) return false;
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
    if (!state_.on) return;
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

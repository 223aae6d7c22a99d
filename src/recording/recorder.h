#pragma once

#include <functional>

#include "common/dialogs.h"
#include "editor/macro_editor.h"
#include "operations/recording_frame.h"
#include "operations/recording_state.h"
#include "workspace/rows/file_entry.h"

namespace vartel {

// Which of the two views of the "マクロ" result tab is showing.
enum class RecordingView { Steps, Lines };

// Commands of the main window that a recording turns off or on.
enum class RecordingCommand {
    ConversionList,
    InitialFileName,
    StartRecording,
    SaveMacro,           // "保存" of the new macro group, the result tab and the menu
    MacroChooser,        // the saved-macro chooser with its "読込", and the menu's "読込"
    EditMacro,           // "マクロ編集", "編集" of the result tab and both menus
    RunMacro,            // "マクロ実行" on the tab and the result tab, the menu's "実行"
    RecordWithThisFile,  // context menu and main menu
    StopRecording,       // both "記録終了" buttons and the menu item
    RecordingBox,
};

// Turns the editing operations into macro lines: owns the recording state and hands the lines
// to the editor's macro when the recording stops.
class Recorder {
  public:
    Recorder(MacroEditor& editor, Dialogs& dialogs) : editor_(editor), dialogs_(dialogs) {}

    // What the window does when the recording says so; either may be left empty.
    std::function<void()> closeEditorWindow;
    std::function<void()> showMacroResultTab;

    // The box "初期ファイル名".
    Text initialFileName;

    bool recording() const { return state_.on; }
    const RecordingState& state() const { return state_; }
    RecordingFrame frame() { return RecordingFrame(state_, editor_.program()); }

    // "記録開始". Offers to save a macro that has lines first; false when the user cancels
    // there or the save fails, and then nothing changes.
    bool start();
    // "このファイルでマクロを記録": starts with the name of the first selected row; without a
    // selected row there is nothing to record with, and nothing happens.
    bool recordWithFile(const ConversionList& rows);
    // "記録終了": the recorded lines become the editor's macro.
    void stop();
    // "リセット": empties what was recorded and starts again from the initial file name.
    void reset();

    RecordingView view() const { return view_; }
    void switchView();

    bool enabled(RecordingCommand command) const;

  private:
    bool offerToSave();
    // Tells the user when the initial file name cannot be recorded.
    bool sampleNameUsable();
    void clearEditorMacro();
    void notify(const std::function<void()>& event) const {
        if (event) event();
    }

    MacroEditor& editor_;
    Dialogs& dialogs_;
    RecordingState state_;
    RecordingView view_ = RecordingView::Steps;
};

}  // namespace vartel

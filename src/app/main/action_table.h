#pragma once

#include <QObject>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "recording/recorder.h"

namespace vartel {

// Every control of the windows whose use depends on the state of the program.
enum class ActionId {
    // What a long command puts out of reach.
    FolderPanes,
    ConversionList,
    ListButtons,
    EditTabs,
    ResultTabs,
    FileMenu,
    MacroMenu,
    MacroEditorWindow,
    MacroTestWindow,
    // What a recording turns off or on.
    InitialFileName,
    StartRecording,
    StopRecording,
    RecordingBox,
    SaveMacro,
    ChooseMacro,
    EditMacro,
    RunMacro,
    RecordWithThisFile,
};

// When a control may be used.
struct ActionRule {
    ActionId id;
    bool usableWhileBusy;                       // otherwise out of reach while a long command runs
    std::optional<RecordingCommand> recording;  // also follows the recording state
    bool hiddenByToggle;  // a region the view menu may hide; hidden, it is out of reach
};

// The state of the program that the rules read.
struct ActionConditions {
    bool busy = false;
    const Recorder* recorder = nullptr;
    bool folderPanesShown = true;
    bool editTabsShown = true;
};

// The rules of all controls, in one place.
std::span<const ActionRule> actionRules();
bool actionEnabled(ActionId id, const ActionConditions& now);

// The controls of the windows by their action, turned off and on together.
class ActionTable {
  public:
    // A QAction or a QWidget.
    void bind(ActionId id, QObject* control);
    const std::vector<QObject*>& controls(ActionId id) const;
    void update(const ActionConditions& now);

  private:
    std::map<ActionId, std::vector<QObject*>> controls_;
};

}  // namespace vartel

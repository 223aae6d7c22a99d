#include "app/main/action_table.h"

#include <QAction>
#include <QWidget>
#include <algorithm>
#include <array>

namespace vartel {
namespace {

using enum ActionId;
using R = RecordingCommand;

// A control that lives inside a region a long command disables (a tab, a menu) is left to its
// region while busy; the recording alone decides about it.
constexpr std::array kRules{
    ActionRule{FolderPanes, false, std::nullopt, true},
    ActionRule{ConversionList, false, R::ConversionList, false},
    ActionRule{ListButtons, false, std::nullopt, false},
    ActionRule{EditTabs, false, std::nullopt, true},
    ActionRule{ResultTabs, false, std::nullopt, false},
    ActionRule{FileMenu, false, std::nullopt, false},
    ActionRule{MacroMenu, false, std::nullopt, false},
    // A running macro uses the editor's macro and variables; neither may change under it.
    ActionRule{MacroEditorWindow, false, std::nullopt, false},
    ActionRule{MacroTestWindow, false, std::nullopt, false},
    ActionRule{InitialFileName, true, R::InitialFileName, false},
    ActionRule{StartRecording, true, R::StartRecording, false},
    ActionRule{StopRecording, true, R::StopRecording, false},
    ActionRule{RecordingBox, true, R::RecordingBox, false},
    ActionRule{SaveMacro, true, R::SaveMacro, false},
    ActionRule{ChooseMacro, true, R::MacroChooser, false},
    ActionRule{EditMacro, true, R::EditMacro, false},
    ActionRule{RunMacro, true, R::RunMacro, false},
    ActionRule{RecordWithThisFile, true, R::RecordWithThisFile, false},
};

const ActionRule& ruleOf(ActionId id) {
    return *std::find_if(kRules.begin(), kRules.end(),
                         [id](const ActionRule& rule) { return rule.id == id; });
}

}  // namespace

std::span<const ActionRule> actionRules() {
    return kRules;
}

bool actionEnabled(ActionId id, const ActionConditions& now) {
    const ActionRule& rule = ruleOf(id);
    if (now.busy && !rule.usableWhileBusy) return false;
    if (rule.recording && now.recorder && !now.recorder->enabled(*rule.recording)) return false;
    if (rule.hiddenByToggle) return id == FolderPanes ? now.folderPanesShown : now.editTabsShown;
    return true;
}

void ActionTable::bind(ActionId id, QObject* control) {
    controls_[id].push_back(control);
}

const std::vector<QObject*>& ActionTable::controls(ActionId id) const {
    static const std::vector<QObject*> none;
    const auto found = controls_.find(id);
    return found == controls_.end() ? none : found->second;
}

void ActionTable::update(const ActionConditions& now) {
    for (const auto& [id, controls] : controls_) {
        const bool enabled = actionEnabled(id, now);
        for (QObject* control : controls) {
            if (auto* entry = qobject_cast<QAction*>(control))
                entry->setEnabled(enabled);
            else
                static_cast<QWidget*>(control)->setEnabled(enabled);
        }
    }
}

}  // namespace vartel

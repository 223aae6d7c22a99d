#include "app/macro_tab.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/messages.h"

namespace vartel {

MacroTab::MacroTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);

    auto* recording = new QGroupBox(ui::kNewMacroGroup, this);
    auto* recordingLayout = new QVBoxLayout(recording);
    initialName = new QLineEdit(recording);
    recordingLayout->addWidget(new QLabel(ui::kInitialFileName, recording));
    recordingLayout->addWidget(initialName);
    startRecording = button(ui::kStartRecording, ui::kStartRecordingHint, recording);
    stopRecording = button(ui::kStopRecording, ui::kStopRecordingHint, recording);
    stopRecording->setEnabled(false);
    save = button(ui::kSave, ui::kSaveMacroHint, recording);
    recordingLayout->addWidget(startRecording);
    recordingLayout->addWidget(stopRecording);
    recordingLayout->addWidget(save);
    layout->addWidget(recording);

    auto* earlier = new QGroupBox(ui::kEarlierMacroGroup, this);
    auto* earlierLayout = new QVBoxLayout(earlier);
    earlierLayout->addWidget(new QLabel(ui::kInDataFolder, earlier));
    chooser = new QComboBox(earlier);
    // Typed text is accepted; only a title of the list loads a macro.
    chooser->setEditable(true);
    chooser->setInsertPolicy(QComboBox::NoInsert);
    chooser->setToolTip(ui::kChooseMacroHint);
    earlierLayout->addWidget(chooser);
    load = button(ui::kLoad, ui::kLoadMacroHint, earlier);
    earlierLayout->addWidget(load);
    layout->addWidget(earlier);

    edit = button(ui::kEditMacro, QString(), this);
    run = button(ui::kRunMacro, ui::kRunMacroHint, this);
    layout->addWidget(edit);
    layout->addWidget(run);
    layout->addStretch(1);
}

}  // namespace vartel

#include "app/tabs/macro_tab.h"

#include <QComboBox>
#include <QLabel>

#include "app/main/action_table.h"
#include "app/messages.h"
#include "app/tabs/form_parts.h"

namespace vartel {

MacroTab::MacroTab(QWidget* parent) : QWidget(parent) {
    auto* layout = tabLayout(this);
    const auto commandButton = [this](const QString& caption, const QString& hint, QWidget* group,
                                      void (MacroTab::*intent)()) {
        auto* result = button(caption, hint, group);
        connect(result, &QPushButton::clicked, this, intent);
        return result;
    };

    auto* recording = new QGroupBox(ui::kNewMacroGroup, this);
    auto* recordingLayout = groupLayout(recording);
    initialName_ = new QLineEdit(recording);
    auto* initialCaption = new QLabel(ui::kInitialFileName, recording);
    initialCaption->setBuddy(initialName_);
    recordingLayout->addWidget(initialCaption);
    recordingLayout->addWidget(initialName_);
    startRecording_ = commandButton(ui::kStartRecording, ui::kStartRecordingHint, recording,
                                    &MacroTab::startRecordingRequested);
    stopRecording_ = commandButton(ui::kStopRecording, ui::kStopRecordingHint, recording,
                                   &MacroTab::stopRecordingRequested);
    save_ = commandButton(ui::kSave, ui::kSaveMacroHint, recording, &MacroTab::saveRequested);
    recordingLayout->addWidget(startRecording_);
    recordingLayout->addWidget(stopRecording_);
    recordingLayout->addWidget(save_);
    layout->addWidget(recording);

    auto* earlier = new QGroupBox(ui::kEarlierMacroGroup, this);
    auto* earlierLayout = groupLayout(earlier);
    chooser_ = new QComboBox(earlier);
    auto* chooserCaption = new QLabel(ui::kInDataFolder, earlier);
    chooserCaption->setBuddy(chooser_);
    earlierLayout->addWidget(chooserCaption);
    // Typed text is accepted; only a title of the list loads a macro.
    chooser_->setEditable(true);
    chooser_->setInsertPolicy(QComboBox::NoInsert);
    chooser_->setToolTip(ui::kChooseMacroHint);
    connect(chooser_, &QComboBox::activated, this, &MacroTab::macroChosen);
    earlierLayout->addWidget(chooser_);
    load_ = commandButton(ui::kLoad, ui::kLoadMacroHint, earlier, &MacroTab::loadRequested);
    earlierLayout->addWidget(load_);
    layout->addWidget(earlier);

    edit_ = commandButton(ui::kEditMacro, QString(), this, &MacroTab::editRequested);
    run_ = commandButton(ui::kRunMacro, ui::kRunMacroHint, this, &MacroTab::runRequested);
    layout->addWidget(edit_);
    layout->addWidget(run_);
    layout->addStretch(1);
}

void MacroTab::bindActions(ActionTable& actions) {
    actions.bind(ActionId::InitialFileName, initialName_);
    actions.bind(ActionId::StartRecording, startRecording_);
    actions.bind(ActionId::StopRecording, stopRecording_);
    actions.bind(ActionId::SaveMacro, save_);
    actions.bind(ActionId::ChooseMacro, chooser_);
    actions.bind(ActionId::ChooseMacro, load_);
    actions.bind(ActionId::EditMacro, edit_);
    actions.bind(ActionId::RunMacro, run_);
}

QString MacroTab::initialName() const {
    return initialName_->text();
}

void MacroTab::setInitialName(const QString& name) {
    initialName_->setText(name);
}

void MacroTab::setMacroTitles(const QStringList& titles) {
    chooser_->clear();
    chooser_->addItems(titles);
    chooser_->setCurrentIndex(-1);
}

}  // namespace vartel

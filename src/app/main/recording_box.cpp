#include "app/main/recording_box.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/main/action_table.h"
#include "app/messages.h"

namespace vartel {

RecordingBox::RecordingBox(QWidget* parent) : QGroupBox(ui::kRecordingBoxCaption, parent) {
    auto* layout = new QFormLayout(this);
    initialName_ = new QLineEdit(this);
    currentName_ = new QLineEdit(this);
    initialName_->setReadOnly(true);
    currentName_->setReadOnly(true);
    layout->addRow(ui::kInitialFileName, initialName_);
    layout->addRow(ui::kCurrentFileName, currentName_);
    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(ui::kReset, this);
    reset->setToolTip(ui::kResetHint);
    auto* stop = new QPushButton(ui::kStopRecording, this);
    stop->setToolTip(ui::kStopRecordingHint);
    connect(reset, &QPushButton::clicked, this, &RecordingBox::resetRequested);
    connect(stop, &QPushButton::clicked, this, &RecordingBox::stopRequested);
    stop_ = stop;
    buttons->addWidget(reset);
    buttons->addWidget(stop);
    layout->addRow(buttons);
    setAutoFillBackground(true);
    hide();
    setEnabled(false);
}

void RecordingBox::bindActions(ActionTable& actions) {
    actions.bind(ActionId::RecordingBox, this);
    actions.bind(ActionId::StopRecording, stop_);
}

void RecordingBox::showNames(const QString& initial, const QString& current) {
    initialName_->setText(initial);
    currentName_->setText(current);
}

}  // namespace vartel

#include "app/recording_box.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include "app/messages.h"

namespace vartel {

RecordingBox::RecordingBox(QWidget* parent) : QGroupBox(ui::kRecordingBoxCaption, parent) {
    auto* layout = new QFormLayout(this);
    initialName = new QLineEdit(this);
    currentName = new QLineEdit(this);
    initialName->setReadOnly(true);
    currentName->setReadOnly(true);
    layout->addRow(ui::kInitialFileName, initialName);
    layout->addRow(ui::kCurrentFileName, currentName);
    auto* buttons = new QHBoxLayout;
    reset = new QPushButton(ui::kReset, this);
    reset->setToolTip(ui::kResetHint);
    stop = new QPushButton(ui::kStopRecording, this);
    stop->setToolTip(ui::kStopRecordingHint);
    buttons->addWidget(reset);
    buttons->addWidget(stop);
    layout->addRow(buttons);
    setAutoFillBackground(true);
    hide();
    setEnabled(false);
}

}  // namespace vartel

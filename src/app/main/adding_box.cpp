#include "app/main/adding_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/messages.h"

namespace vartel {

AddingBox::AddingBox(QWidget* parent) : QGroupBox(ui::kAddingBoxCaption, parent) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(new QLabel(ui::kAddedFiles, this));
    counter_ = new QLabel(QStringLiteral("0"), this);
    counter_->setMinimumWidth(60);
    layout->addWidget(counter_);
    auto* abort = new QPushButton(ui::kAbort, this);
    connect(abort, &QPushButton::clicked, this, &AddingBox::abortRequested);
    layout->addWidget(abort);
    abort_ = abort;
    setAutoFillBackground(true);
    hide();
}

void AddingBox::setCount(int count) {
    counter_->setText(QString::number(count));
    abort_->setEnabled(true);
}

void AddingBox::finish() {
    abort_->setEnabled(false);
}

}  // namespace vartel

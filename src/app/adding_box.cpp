#include "app/adding_box.h"

#include <QHBoxLayout>

#include "app/messages.h"

namespace vartel {

AddingBox::AddingBox(QWidget* parent) : QGroupBox(ui::kAddingBoxCaption, parent) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(new QLabel(ui::kAddedFiles, this));
    counter = new QLabel(QStringLiteral("0"), this);
    counter->setMinimumWidth(60);
    layout->addWidget(counter);
    abort = new QPushButton(ui::kAbort, this);
    layout->addWidget(abort);
    setAutoFillBackground(true);
    hide();
}

void AddingBox::setCount(int count) {
    counter->setText(QString::number(count));
}

}  // namespace vartel

#include "app/main/progress_box.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "app/messages.h"

namespace vartel {

ProgressBox::ProgressBox(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    auto* layout = new QHBoxLayout(this);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(bar_, 1);
    auto* abort = new QPushButton(ui::kAbort, this);
    connect(abort, &QPushButton::clicked, this, &ProgressBox::abortRequested);
    layout->addWidget(abort);
    abort_ = abort;
    setAutoFillBackground(true);
    hide();
}

void ProgressBox::setProgress(int position, int maximum) {
    const long long percent = maximum > 0 ? 100LL * position / maximum : 0;
    bar_->setValue(static_cast<int>(std::clamp<long long>(percent, 0, 100)));
    abort_->setEnabled(true);
}

void ProgressBox::finish() {
    bar_->setValue(0);
    abort_->setEnabled(false);
}

void ProgressBox::takeFocus() {
    bar_->setFocus();
}

}  // namespace vartel

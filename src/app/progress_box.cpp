#include "app/progress_box.h"

#include <QHBoxLayout>
#include <algorithm>

#include "app/messages.h"

namespace vartel {

ProgressBox::ProgressBox(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    auto* layout = new QHBoxLayout(this);
    bar = new QProgressBar(this);
    bar->setRange(0, 100);
    bar->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(bar, 1);
    abort = new QPushButton(ui::kAbort, this);
    layout->addWidget(abort);
    setAutoFillBackground(true);
    hide();
}

void ProgressBox::setProgress(int position, int maximum) {
    const long long percent = maximum > 0 ? 100LL * position / maximum : 0;
    bar->setValue(static_cast<int>(std::clamp<long long>(percent, 0, 100)));
}

}  // namespace vartel

#include "app/qt/qt_pump.h"

#include <QCoreApplication>

namespace vartel {

void QtPump::pump() {
    if (beforeEvents_) beforeEvents_();
    QCoreApplication::processEvents();
}

void QtPump::busyEnded() {
    if (busyEnded_) busyEnded_();
}

}  // namespace vartel

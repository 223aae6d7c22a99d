#include "app/main/command_boundary.h"

#include "common/error.h"

namespace vartel {

CommandBoundary::CommandBoundary(Workspace& workspace, Dialogs& dialogs, QtPump& pump)
    : workspace_(workspace), dialogs_(dialogs) {
    pump.setBeforeEvents([this] { beforeEvents(); });
    // The controls stay off until the command is over; only its progress is finished.
    pump.setBusyEnded([this] {
        if (busyShown_) emit progressEnded();
    });
}

bool CommandBoundary::run(const std::function<void()>& command) {
    if (depth_ > 0) return false;
    ++depth_;
    workspace_.beginCommand();
    guarded(command);
    // Files dropped while the command ran waited for it.
    guarded([this] { workspace_.endCommand(); });
    --depth_;
    if (busyShown_) {
        busyShown_ = false;
        emit busyChanged(false);
    }
    emit commandEnded();
    return true;
}

void CommandBoundary::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& failure) {
        dialogs_.error(failureMessage(failure));
    }
}

void CommandBoundary::beforeEvents() {
    if (!workspace_.busy()) return;
    if (!busyShown_) {
        busyShown_ = true;
        emit busyChanged(true);
    }
    emit progressed();
}

}  // namespace vartel

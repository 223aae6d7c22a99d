#pragma once

#include <QObject>
#include <functional>

#include "app/qt/qt_pump.h"
#include "common/dialogs.h"
#include "workspace/workspace.h"

namespace vartel {

// Where every command of every window runs. A failure of any kind ends the command and is shown
// in an error box; a command asked for while another runs is refused, since the running one may
// be walking the lists or running the macro; paths dropped meanwhile wait for its end. The
// windows learn when a long command starts and stops letting events in, to turn their controls
// off and on.
class CommandBoundary : public QObject {
    Q_OBJECT

  public:
    CommandBoundary(Workspace& workspace, Dialogs& dialogs, QtPump& pump);

    // Runs the command unless another one runs; tells whether it ran.
    bool run(const std::function<void()>& command);

    // Commands running, the outermost included.
    int depth() const { return depth_; }
    // A long command is on its way and the windows are live around it.
    bool busy() const { return busyShown_; }

  signals:
    void busyChanged(bool busy);
    // A long command moved on: its counter or progress changed.
    void progressed();
    // The long command's loop is over, though the command may still tell how it ended.
    void progressEnded();
    // The outermost command ended; the lists may have changed.
    void commandEnded();

  private:
    void guarded(const std::function<void()>& step);
    void beforeEvents();

    Workspace& workspace_;
    Dialogs& dialogs_;
    int depth_ = 0;
    bool busyShown_ = false;
};

}  // namespace vartel

#pragma once

#include "common/pump.h"
#include "platform/interrupt.h"
#include "workspace/workspace.h"

namespace vartel::cli {

// Ctrl+C aborts the running walk, operation, execution or undo at its next check, as "中止"
// does.
class InterruptPump : public Pump {
  public:
    void watch(Workspace& workspace) { workspace_ = &workspace; }
    void pump() override {
        if (workspace_ && interruptRequested()) workspace_->abort();
    }

  private:
    Workspace* workspace_ = nullptr;
};

}  // namespace vartel::cli

#pragma once

#include <functional>

#include "common/pump.h"

namespace vartel {

// Lets the window live during a long loop of the core. Before the events run, the window gets
// the chance to show where the loop stands (progress, counter, disabled controls).
class QtPump : public Pump {
  public:
    void setBeforeEvents(std::function<void()> beforeEvents) {
        beforeEvents_ = std::move(beforeEvents);
    }
    void pump() override;

  private:
    std::function<void()> beforeEvents_;
};

}  // namespace vartel

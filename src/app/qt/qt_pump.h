#pragma once

#include <functional>

#include "common/pump.h"

namespace vartel {

// Lets the window live during a long loop of the core. Before the events run, the window gets
// the chance to show where the loop stands (progress, counter, disabled controls), and once the
// loop is over, to show that it is.
class QtPump : public Pump {
  public:
    void setBeforeEvents(std::function<void()> beforeEvents) {
        beforeEvents_ = std::move(beforeEvents);
    }
    void setBusyEnded(std::function<void()> busyEnded) { busyEnded_ = std::move(busyEnded); }
    void pump() override;
    void busyEnded() override;

  private:
    std::function<void()> beforeEvents_;
    std::function<void()> busyEnded_;
};

}  // namespace vartel

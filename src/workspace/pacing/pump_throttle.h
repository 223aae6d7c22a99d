#pragma once

#include <chrono>

#include "common/pump.h"
#include "platform/clock.h"

namespace vartel {

// Long loops check for an abort after every item, but let the user interface run only when
// some time has passed: events every few milliseconds keep the window live, and pumping per
// item would cost more than the work itself, and so would reading the precise clock.
class PumpThrottle {
  public:
    using Clock = CoarseSteadyClock;
    using Interval = Clock::duration;
    static constexpr Interval kDefaultInterval = std::chrono::milliseconds(15);

    PumpThrottle(Pump& pump, Interval interval) : pump_(pump), interval_(interval) {}

    void restart() { last_ = Clock::now(); }
    void tick() {
        const auto now = Clock::now();
        if (now - last_ < interval_) return;
        pump_.pump();
        last_ = Clock::now();
    }

  private:
    Pump& pump_;
    Interval interval_;
    Clock::time_point last_ = Clock::now();
};

}  // namespace vartel

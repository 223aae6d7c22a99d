#pragma once

#include <chrono>

#include "common/pump.h"

namespace vartel {

// Long loops check for an abort after every item, but let the user interface run only when
// some time has passed: events every few milliseconds keep the window live, and pumping per
// item would cost more than the work itself.
class PumpThrottle {
  public:
    using Interval = std::chrono::steady_clock::duration;
    static constexpr Interval kDefaultInterval = std::chrono::milliseconds(15);

    PumpThrottle(Pump& pump, Interval interval) : pump_(pump), interval_(interval) {}

    void restart() { last_ = std::chrono::steady_clock::now(); }
    void tick() {
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < interval_) return;
        pump_.pump();
        last_ = std::chrono::steady_clock::now();
    }

  private:
    Pump& pump_;
    Interval interval_;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

}  // namespace vartel

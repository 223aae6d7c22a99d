#pragma once

#include <cstdint>

namespace vartel {

struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;
};

// Local time of a moment given in seconds since the epoch (file times).
LocalDateTime localDateTimeOf(std::int64_t secondsSinceEpoch);

// The current local date and time; tests set it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

class SystemClock : public Clock {
  public:
    LocalDateTime now() const override;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(LocalDateTime at) : at_(at) {}
    LocalDateTime now() const override { return at_; }
    void set(LocalDateTime at) { at_ = at; }

  private:
    LocalDateTime at_;
};

}  // namespace vartel

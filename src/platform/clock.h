#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

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

// Local times of many moments in turn, as localDateTimeOf gives them, for one pass over many
// files: files written or copied together share their modified second, and a moment equal to
// the one before is not converted again. The time zone is the one of the pass.
class LocalTimeConverter {
  public:
    LocalDateTime of(std::int64_t secondsSinceEpoch);

  private:
    std::optional<std::int64_t> lastSeconds_;
    LocalDateTime lastAnswer_;
};

// A steady clock read in a few nanoseconds, good to a few milliseconds: for loops that look at
// the time after every item to let the window run now and then.
struct CoarseSteadyClock {
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<CoarseSteadyClock>;
    static constexpr bool is_steady = true;
    static time_point now() noexcept;
};

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

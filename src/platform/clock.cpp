#include "platform/clock.h"

#include <ctime>

namespace vartel {

LocalDateTime localDateTimeOf(std::int64_t secondsSinceEpoch) {
    const auto seconds = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

LocalDateTime LocalTimeConverter::of(std::int64_t secondsSinceEpoch) {
    if (lastSeconds_ != secondsSinceEpoch) {
        lastAnswer_ = localDateTimeOf(secondsSinceEpoch);
        lastSeconds_ = secondsSinceEpoch;
    }
    return lastAnswer_;
}

CoarseSteadyClock::time_point CoarseSteadyClock::now() noexcept {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
}

LocalDateTime SystemClock::now() const {
    return localDateTimeOf(std::time(nullptr));
}

}  // namespace vartel

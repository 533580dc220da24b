#pragma once

#include <cstdint>

/// The time as the game sees it: the time of day, which may step (daylight saving, a user
/// setting the clock), and a monotonic clock, which never steps, to time the waits with.
class Clock {
public:
    virtual ~Clock() = default;
    /// Seconds since midnight, with a fraction.
    virtual double secondsSinceMidnight() const = 0;
    /// Seconds from an arbitrary origin on a clock that runs evenly and never goes back.
    virtual double monotonicSeconds() const = 0;
};

inline constexpr double kSecondsPerDay = 86400.0;

/// A wait start: the clock reading to the nearest whole second, a half going to the even second.
std::int32_t waitStartFrom(double clockReading);

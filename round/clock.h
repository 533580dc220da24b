#pragma once

#include <cstdint>

/// The time of day as the game sees it: seconds since midnight, with a fraction.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
};

inline constexpr double kSecondsPerDay = 86400.0;

/// A wait start: the clock reading to the nearest whole second, a half going to the even second.
std::int32_t waitStartFrom(double clockReading);

/// Seconds from a wait start to `now`. A reading far below the start has passed midnight, so a
/// day is added: a wait that spans midnight still ends.
double secondsSince(std::int32_t waitStart, double now);

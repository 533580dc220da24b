#pragma once

#include "round/clock.h"

#include <cmath>

/// A clock that tests move by hand. Time itself runs on evenly (the monotonic reading); the
/// time of day follows it, wraps at midnight as the real clock does, and can be stepped, as
/// daylight saving or a user setting the clock steps it.
class FakeClock : public Clock {
public:
    explicit FakeClock(double secondsSinceMidnight = 0.0) : m_time(wrap(secondsSinceMidnight)) {}

    double secondsSinceMidnight() const override { return wrap(m_time + m_steps); }
    double monotonicSeconds() const override { return m_time; }

    /// Time passes until the time of day, leaving its steps out, reads `secondsSinceMidnight`
    /// (on the next day when that reading is already past).
    void set(double secondsSinceMidnight) {
        double next =
            std::floor(m_time / kSecondsPerDay) * kSecondsPerDay + wrap(secondsSinceMidnight);
        if (next < m_time)
            next += kSecondsPerDay;
        m_time = next;
    }
    /// Time passes by `seconds`.
    void advance(double seconds) { m_time += seconds; }
    /// The time of day jumps by `seconds`, forward or back; no time passes.
    void step(double seconds) { m_steps += seconds; }

private:
    static double wrap(double seconds) {
        double wrapped = std::fmod(seconds, kSecondsPerDay);
        return wrapped < 0 ? wrapped + kSecondsPerDay : wrapped;
    }

    double m_time;        ///< seconds since the start of the day the clock was made on
    double m_steps = 0.0; ///< the sum of the steps of the time of day
};

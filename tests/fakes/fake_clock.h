#pragma once

#include "round/clock.h"

#include <cmath>

/// A clock that tests set and advance by hand: seconds since midnight, with a fraction. Advancing
/// past midnight starts the day again from 0, as the real clock does.
class FakeClock : public Clock {
public:
    explicit FakeClock(double secondsSinceMidnight = 0.0) : m_now(secondsSinceMidnight) {}

    double secondsSinceMidnight() const override { return m_now; }

    /// Sets the reading (taken modulo one day).
    void set(double secondsSinceMidnight) { m_now = wrap(secondsSinceMidnight); }
    /// Moves the reading on by `seconds`, wrapping at midnight.
    void advance(double seconds) { m_now = wrap(m_now + seconds); }

private:
    static double wrap(double seconds) {
        double wrapped = std::fmod(seconds, kSecondsPerDay);
        return wrapped < 0 ? wrapped + kSecondsPerDay : wrapped;
    }

    double m_now;
};

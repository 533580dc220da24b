#pragma once

#include "round/clock.h"

/// The system's clocks: the local time of day in seconds since midnight, with milliseconds,
/// and the steady clock, which a change of the time of day does not move.
class SystemClock : public Clock {
public:
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;
};

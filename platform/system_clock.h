#pragma once

#include "round/clock.h"

/// The wall clock: local time of day in seconds since midnight, with milliseconds.
class SystemClock : public Clock {
public:
    double secondsSinceMidnight() const override;
};

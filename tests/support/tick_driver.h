#pragma once

#include "tests/support/play_rig.h"

#include <cmath>
#include <functional>

/// Drives a flow's timers as the screen's QTimers would: every 100 ms of fake time, each timer
/// that the view shows running ticks once, in the order Timer1 to Timer6.
template <class Flow> class TickDriver {
public:
    TickDriver(PlayRig& rig, Flow& flow)
        : m_rig(rig), m_flow(flow),
          m_hundredths(std::llround(rig.clock.secondsSinceMidnight() * 100.0)) {}

    /// Runs `ticks` steps of 100 ms. The clock is taken over from the rig when the driver is
    /// made and advanced in whole hundredths of a second.
    void run(int ticks) {
        for (int i = 0; i < ticks; ++i)
            step();
    }

    /// Runs steps until `done` holds or `maxTicks` have passed; returns the steps taken, or -1.
    int runUntil(const std::function<bool()>& done, int maxTicks = 10000) {
        for (int i = 1; i <= maxTicks; ++i) {
            step();
            if (done())
                return i;
        }
        return -1;
    }

    /// Checked after every tick (for invariants such as "at most one timer runs").
    std::function<void()> afterTick;

private:
    void step() {
        // Whole hundredths, so that a tick lands exactly on a whole second.
        m_hundredths += 10;
        m_rig.clock.set(static_cast<double>(m_hundredths) / 100.0);
        for (int t = 0; t < kPlayTimers; ++t) {
            const auto timer = static_cast<PlayTimer>(t);
            if (!m_rig.view.isRunning(timer))
                continue;
            m_flow.tick(timer);
            if (afterTick)
                afterTick();
        }
    }

    PlayRig& m_rig;
    Flow& m_flow;
    long long m_hundredths;
};

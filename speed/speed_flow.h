#pragma once

#include "round/play_ports.h"
#include "round/round_engine.h"

#include <cstddef>

/// The speed screen's flow: a 3-2-1 countdown (countdown.h), then every question judged by the
/// answer clock.
class SpeedFlow {
public:
    /// The speed mode's limits in seconds: a countdown step passes strictly after its limit, a
    /// question's answer time at its limit.
    static constexpr double kCountdownStep = 1.0;
    static constexpr double kAnswerTime = 2.0;

    explicit SpeedFlow(PlayPorts ports);

    /// Screen load: sets the title only.
    void load();
    /// Delivered once right after the screen is shown (and by another game): game start and
    /// the countdown.
    void activate();
    /// Command2(index): records the pending answer only.
    void pressAnswer(int index);
    /// A tick of any of the screen's timers, Timer1 to Timer6.
    void tick(PlayTimer timer);
    /// Command3: another game, which runs the countdown again.
    void anotherGame();

private:
    void showCountdownStep(std::size_t step);
    void countdownTick(std::size_t step);
    void startPlay();
    void judgeOnTime();

    PlayPorts m_ports;
    RoundEngine m_engine;
};

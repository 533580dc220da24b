#pragma once

#include "round/play_ports.h"

/// The speed screen's flow: a 3-2-1 countdown, then every question judged by the answer clock.
class SpeedFlow {
public:
    explicit SpeedFlow(PlayPorts ports);

    /// Screen load: sets the title only.
    void load();
    /// Delivered once right after the screen is shown (and by another game): game start and
    /// the countdown.
    void activate();
    /// Command2(index): records the pending answer only.
    void pressAnswer(int index);
    /// A tick of any of Timer1 to Timer6.
    void tick(PlayTimer timer);
    /// Command3: another game, which runs the countdown again.
    void anotherGame();

private:
    PlayPorts m_ports;
};

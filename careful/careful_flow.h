#pragma once

#include "round/play_ports.h"
#include "round/round_engine.h"

/// The careful screen's flow: a game starts at load, every press is judged at once.
class CarefulFlow {
public:
    explicit CarefulFlow(PlayPorts ports);

    /// Screen load: game start, title, radical picture, first question.
    void load();
    /// Command2(index): index 0 answers O ("ある"), index 1 answers X ("ない").
    void pressAnswer(int index);
    /// A tick of the fail-sound wait (Timer1) or the end-of-game wait (Timer2).
    void tick(PlayTimer timer);
    /// Command3: another game on the same screen.
    void anotherGame();

private:
    RoundEngine m_engine;
};

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
    /// A tick of Timer1 (fail-sound wait) or Timer2 (end-of-game wait).
    void tick(PlayTimer timer);
    /// Command3: another game on the same screen.
    void anotherGame();

    /// The round engine this screen runs (for its game state and question records).
    const RoundEngine& engine() const { return m_engine; }

private:
    PlayPorts m_ports;
    RoundEngine m_engine;
};

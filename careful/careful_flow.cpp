#include "careful/careful_flow.h"

CarefulFlow::CarefulFlow(PlayPorts ports) : m_engine(ports) {}

void CarefulFlow::load() {
    m_engine.beginShowing();
    // Only a stray call could find the end-of-game wait running; a new game must not be rated.
    m_engine.stopTimer(PlayTimer::EndOfGameWait);
    m_engine.startGame();
    m_engine.showTitle();
    m_engine.showRadicalPicture();
    m_engine.drawQuestion();
}

void CarefulFlow::pressAnswer(int index) {
    if (!m_engine.takeAnswer(index))
        return;
    m_engine.judgePending();
    m_engine.nextQuestionOrEnd();
}

void CarefulFlow::tick(PlayTimer timer) {
    // The careful screen has no timers but those that end a game.
    m_engine.tickGameEndTimer(timer);
}

void CarefulFlow::anotherGame() {
    m_engine.prepareAnotherGame();
    load();
}
